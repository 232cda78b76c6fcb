#pragma once
// Which menu items and toolbar buttons the main window offers, as one table
// from the state of the document. The window keeps the state and applies the
// table in one place after every command that changes it.

namespace miravel {

struct CommandState {
    bool documentOpen = false;     // New or Open ran and Close has not since
    bool hasFileName = false;      // Save can write without asking for a name
    bool rosterChecked = false;    // the roster was looked at since the window's load
    bool enrolled = false;         // at least one named student
    bool viewpointShown = false;   // a viewpoint table is shown: it has no editor
    bool classShown = false;       // the class node is selected
    bool readOnly = false;         // another window has the book: Save As only
    bool editorOpen = false;       // an editor window has the book
    bool canUndo = false;          // there is a step to take back
    bool canRedo = false;          // there is an undone step to do again
};

struct EnabledCommands {
    bool fileNew = false;    // menu item and button "新規作成"
    bool fileOpen = false;   // menu item and button "開く"
    bool fileClose = false;
    bool fileSave = false;
    bool fileSaveAs = false;
    bool saveButton = false;  // button "上書き保存"
    bool edit = false;        // edit command and button "編集"
    bool nameBook = false;    // roster import (only empty numbers once enrolled)
    bool evaluation = false;  // 評価の方法, whenever a book is open
    bool print = false;       // menu item and button "印刷"
    bool printSheets = false; // 個人成績表を印刷, from the class node
    bool check = false;       // 入力の確認
    bool versions = false;    // 以前の版を開く
    bool undo = false;
    bool redo = false;
};

EnabledCommands CommandsFor(const CommandState& state);

} // namespace miravel
