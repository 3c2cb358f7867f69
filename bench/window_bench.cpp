// Drives the real window over one file and prints how long each step keeps it
// busy, up to the repaint that shows its result, and the process's peak memory;
// then, with the file loaded again, the slowest of ten presses of each key that
// a long line has made slow now and then.
// A message box or the save dialog would wait for a user, so both are scripted.
//
//   flg2scn-window-bench FILE.flg [WIDTHxHEIGHT]
//
// The window has its start size unless WIDTHxHEIGHT gives one.

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

#include "qt/main_window.h"
#include "support/recording_services.h"

namespace {

using flg2scn::test::RecordingMessageBox;
using flg2scn::test::ScriptedFileDialog;

rusage Usage() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage;
}

double Milliseconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
}

double CpuMilliseconds() {
    const rusage usage = Usage();
    return Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
}

// The step's wall time up to the repaint of the text area that shows its result;
// the processor time it used, including any work that the event loop does in
// the quarter second after; and the process's peak memory so far.
void Time(const char* step, QPlainTextEdit* edit, const std::function<void()>& work) {
    const double cpu = CpuMilliseconds();
    QElapsedTimer timer;
    timer.start();
    work();
    edit->viewport()->repaint();
    QApplication::processEvents();
    const double wall = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    QTest::qWait(250);
    std::printf("%-18s %9.1f ms %9.1f ms %9.1f MiB\n", step, wall, CpuMilliseconds() - cpu,
                static_cast<double>(Usage().ru_maxrss) / 1024);
    std::fflush(stdout);
}

// A key to time, and the keys pressed before it, untimed, at a user's pace.
struct Press {
    const char* name;
    QKeyCombination key;
    std::vector<QKeyCombination> before = {};
};

// Each of `presses` made `runs` times over, each timed as Time times a step,
// with the quarter second after it for the work it leaves to the event loop:
// the slowest press of each key, the one a user would notice.
void TimeKeysOver(QPlainTextEdit* edit, const std::vector<Press>& presses, int runs) {
    std::printf("%-18s %12s %12s   (the slowest of %d presses)\n", "key", "wall", "processor",
                runs);
    for (const Press& press : presses) {
        double slowest_wall = 0;
        double slowest_cpu = 0;
        for (int run = 0; run < runs; ++run) {
            for (const QKeyCombination before : press.before) {
                QTest::keyClick(edit, before.key(), before.keyboardModifiers());
                QTest::qWait(250);
            }
            const double cpu = CpuMilliseconds();
            QElapsedTimer timer;
            timer.start();
            QTest::keyClick(edit, press.key.key(), press.key.keyboardModifiers());
            edit->viewport()->repaint();
            QApplication::processEvents();
            slowest_wall = std::max(slowest_wall, static_cast<double>(timer.nsecsElapsed()) / 1e6);
            QTest::qWait(250);
            slowest_cpu = std::max(slowest_cpu, CpuMilliseconds() - cpu);
        }
        std::printf("%-18s %9.1f ms %9.1f ms\n", press.name, slowest_wall, slowest_cpu);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: flg2scn-window-bench FILE.flg [WIDTHxHEIGHT]\n");
        return 2;
    }
    const std::filesystem::path file = argv[1];
    auto* messages = new RecordingMessageBox;
    auto* dialog = new ScriptedFileDialog;
    flg2scn::MainWindow window{std::unique_ptr<flg2scn::MessageBoxService>(messages),
                               std::unique_ptr<flg2scn::FileDialog>(dialog)};
    window.show();
    if (argc == 3) {
        const QStringList size = QString::fromLocal8Bit(argv[2]).split(u'x');
        window.resize(size.value(0).toInt(), size.value(1).toInt());
    }
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "flg2scn-window-bench: the window did not show\n");
        return 1;
    }
    QPlainTextEdit* edit = window.textEdit();
    std::printf("%-18s %12s %12s %13s\n", "step", "wall", "processor", "peak memory");
    Time("start", edit, [] {});
    const auto key = [edit](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        return [edit, k, modifiers] { QTest::keyClick(edit, k, modifiers); };
    };

    Time("load", edit, [&] { window.openFile(file); });
    Time("go to end", edit, key(Qt::Key_End, Qt::ControlModifier));
    Time("line start", edit, key(Qt::Key_Home));
    Time("line end", edit, key(Qt::Key_End));
    Time("type a letter", edit, key(Qt::Key_X));
    Time("type another", edit, key(Qt::Key_Y));
    Time("backspace", edit, key(Qt::Key_Backspace));
    Time("cursor left", edit, key(Qt::Key_Left));
    Time("cursor up", edit, key(Qt::Key_Up));
    Time("page up", edit, key(Qt::Key_PageUp));
    Time("scroll", edit,
         [edit] { edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->value() / 2); });
    Time("scroll right", edit, [edit] {
        edit->horizontalScrollBar()->setValue(edit->horizontalScrollBar()->value() + 400);
    });
    Time("undo the typing", edit, key(Qt::Key_Z, Qt::ControlModifier));
    Time("go to start", edit, key(Qt::Key_Home, Qt::ControlModifier));
    Time("select all", edit, key(Qt::Key_A, Qt::ControlModifier));
    Time("copy", edit, key(Qt::Key_C, Qt::ControlModifier));
    Time("convert", edit, [&] { window.findChild<QAction*>("mnuConvert")->trigger(); });
    Time("undo the convert", edit, key(Qt::Key_Z, Qt::ControlModifier));
    const auto saved = std::filesystem::temp_directory_path() / "flg2scn-window-bench.scn";
    dialog->answers.push_back(saved.string());
    Time("save", edit, [&] { window.findChild<QAction*>("mnuSaveSCN")->trigger(); });
    std::filesystem::remove(saved);
    Time("undo the load", edit, key(Qt::Key_Z, Qt::ControlModifier));

    // The keys that a long line has made slow now and then, on the file again.
    Time("load again", edit, [&] { window.openFile(file); });
    TimeKeysOver(edit,
                 {{"ctrl+end", Qt::ControlModifier | Qt::Key_End},
                  {"type a letter", QKeyCombination(Qt::Key_X)},
                  {"end", QKeyCombination(Qt::Key_End)},
                  {"left", QKeyCombination(Qt::Key_Left)},
                  {"ctrl+a", Qt::ControlModifier | Qt::Key_A},
                  {"ctrl+c", Qt::ControlModifier | Qt::Key_C},
                  {"right", QKeyCombination(Qt::Key_Right)},
                  // The first change after a copy of the whole text.
                  {"type after ctrl+c",
                   QKeyCombination(Qt::Key_X),
                   {Qt::ControlModifier | Qt::Key_A, Qt::ControlModifier | Qt::Key_C}}},
                 10);

    std::printf("%-18s %9zu\n", "messages shown", messages->shown.size());
    return 0;
}
