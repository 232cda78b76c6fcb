#include "grades/CommandTable.h"

namespace miravel {

EnabledCommands CommandsFor(const CommandState& state)
{
    EnabledCommands on;
    const bool open = state.documentOpen;
    on.fileNew = !open;
    on.fileOpen = !open;
    on.fileClose = open;
    on.fileSave = open && state.hasFileName && !state.readOnly;
    on.fileSaveAs = open;
    on.saveButton = open;
    on.edit = open && !state.viewpointShown;
    on.evaluation = open;
    // The roster import fills an empty roster, and the empty numbers of one
    // with names; printing is offered once a student is enrolled. Neither
    // before the window has looked at the roster.
    on.nameBook = state.rosterChecked;
    on.print = state.rosterChecked && state.enrolled;
    on.printSheets = on.print && open && state.classShown;
    on.check = on.print && open;
    // Only a book with a file has versions; the history waits for the editor.
    on.versions = on.fileSave;
    on.undo = open && !state.editorOpen && state.canUndo;
    on.redo = open && !state.editorOpen && state.canRedo;
    return on;
}

} // namespace miravel
