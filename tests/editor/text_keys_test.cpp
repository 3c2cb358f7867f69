#include <gtest/gtest.h>

#include <string>

#include "editor/text_keys.h"

namespace flg2scn {
namespace {

using Kind = KeyCommand::Kind;
using Move = TextEditor::Move;

// "c" Ctrl, "s" Shift, "a" Alt (Option), "m" a Mac's Command.
HeldKeys Held(std::string_view keys) {
    const auto has = [keys](char c) { return keys.find(c) != std::string_view::npos; };
    return {has('c'), has('s'), has('a'), has('m')};
}

KeyCommand MoveTo(Move move, bool extend = false) {
    return {Kind::kMove, move, extend};
}

KeyCommand EraseOf(bool forward, bool word) {
    return {Kind::kErase, Move::kLeft, false, forward, word};
}

TEST(TextKeys, WhatEachKeyDoes) {
    constexpr KeyStyle kW = KeyStyle::kWindows;
    constexpr KeyStyle kM = KeyStyle::kMac;
    const std::tuple<KeyStyle, Key, std::string_view, KeyCommand> rows[] = {
        {kW, Key::kLeft, "", MoveTo(Move::kLeft)},
        {kW, Key::kLeft, "s", MoveTo(Move::kLeft, true)},
        {kW, Key::kLeft, "c", MoveTo(Move::kWordLeft)},
        {kW, Key::kLeft, "m", MoveTo(Move::kLeft)},
        {kW, Key::kRight, "cs", MoveTo(Move::kWordRight, true)},
        {kW, Key::kUp, "c", MoveTo(Move::kUp)},
        {kW, Key::kDown, "s", MoveTo(Move::kDown, true)},
        {kW, Key::kPageUp, "", MoveTo(Move::kPageUp)},
        {kW, Key::kPageDown, "s", MoveTo(Move::kPageDown, true)},
        {kW, Key::kHome, "", MoveTo(Move::kLineStart)},
        {kW, Key::kHome, "cs", MoveTo(Move::kTextStart, true)},
        {kW, Key::kEnd, "", MoveTo(Move::kLineEnd)},
        {kW, Key::kEnd, "c", MoveTo(Move::kTextEnd)},
        {kW, Key::kBackspace, "", EraseOf(false, false)},
        {kW, Key::kBackspace, "c", EraseOf(false, true)},
        {kW, Key::kDelete, "c", EraseOf(true, true)},
        {kW, Key::kDelete, "s", {Kind::kCut}},
        {kW, Key::kInsert, "", {}},
        {kW, Key::kInsert, "c", {Kind::kCopy}},
        {kW, Key::kInsert, "s", {Kind::kPaste}},
        {kW, Key::kEnter, "s", {Kind::kLineBreak}},
        {kW, Key::kEnter, "c", {}},
        {kW, Key::kA, "", {}},
        {kW, Key::kA, "c", {Kind::kSelectAll}},
        {kW, Key::kA, "m", {}},
        {kW, Key::kC, "c", {Kind::kCopy}},
        {kW, Key::kX, "c", {Kind::kCut}},
        {kW, Key::kV, "cs", {Kind::kPaste}},
        {kW, Key::kZ, "c", {Kind::kUndo}},
        {kW, Key::kZ, "cs", {Kind::kRedo}},
        {kW, Key::kY, "c", {Kind::kRedo}},
        // Alt with a key is the menu's, and Ctrl+Alt is AltGr, which types.
        {kW, Key::kLeft, "a", {}},
        {kW, Key::kZ, "ca", {}},
        {kM, Key::kLeft, "", MoveTo(Move::kLeft)},
        {kM, Key::kLeft, "c", MoveTo(Move::kLeft)},
        {kM, Key::kLeft, "m", MoveTo(Move::kLineStart)},
        {kM, Key::kLeft, "a", MoveTo(Move::kWordLeft)},
        {kM, Key::kRight, "ms", MoveTo(Move::kLineEnd, true)},
        {kM, Key::kRight, "a", MoveTo(Move::kWordRight)},
        {kM, Key::kUp, "m", MoveTo(Move::kTextStart)},
        {kM, Key::kDown, "ms", MoveTo(Move::kTextEnd, true)},
        {kM, Key::kUp, "a", {}},
        {kM, Key::kHome, "m", MoveTo(Move::kTextStart)},
        {kM, Key::kEnd, "c", MoveTo(Move::kTextEnd)},
        {kM, Key::kBackspace, "a", EraseOf(false, true)},
        {kM, Key::kBackspace, "c", EraseOf(false, false)},
        {kM, Key::kDelete, "s", EraseOf(true, false)},
        {kM, Key::kInsert, "c", {}},
        {kM, Key::kA, "m", {Kind::kSelectAll}},
        {kM, Key::kZ, "ms", {Kind::kRedo}},
        {kM, Key::kV, "c", {Kind::kPaste}},
    };
    for (const auto& [style, key, held, command] : rows) {
        EXPECT_EQ(CommandOfKey(key, Held(held), style), command)
            << static_cast<int>(key) << " " << held << (style == kM ? " mac" : "");
    }
}

// The editor's commands act on the text; the clipboard's are left to the front end.
TEST(TextKeys, RunOnTheEditor) {
    TextEditor editor;
    editor.SetText(u"ab cd\r\nef");
    const std::pair<KeyCommand, std::u16string> steps[] = {
        {MoveTo(Move::kTextEnd), u"ab cd\r\nef"},
        {EraseOf(false, true), u"ab cd\r\n"},
        {{Kind::kLineBreak}, u"ab cd\r\n\r\n"},
        {{Kind::kUndo}, u"ab cd\r\n"},
        {{Kind::kRedo}, u"ab cd\r\n\r\n"},
        {{Kind::kSelectAll}, u"ab cd\r\n\r\n"},
        {EraseOf(true, false), u""},
    };
    for (const auto& [command, text] : steps) {
        EXPECT_TRUE(RunKeyCommand(editor, command, 5));
        EXPECT_EQ(editor.text(), text);
    }
    for (const Kind kind : {Kind::kNone, Kind::kCopy, Kind::kCut, Kind::kPaste}) {
        EXPECT_FALSE(RunKeyCommand(editor, {kind}, 1));
    }
}

}  // namespace
}  // namespace flg2scn
