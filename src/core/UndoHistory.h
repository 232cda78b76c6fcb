#pragma once
// Undo and redo by whole-book snapshots. A step keeps the whole document as
// it was before the change, so undoing it cannot drift from the book the way
// hand-written inverse commands could. The history also remembers the names
// of the steps since the last save, which describe a saved version.

#include "core/GradeBook.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace miravel {

class UndoHistory {
public:
    static constexpr std::size_t kDefaultLimit = 50;

    explicit UndoHistory(std::size_t limit = kDefaultLimit);

    // New, Open and Close: no steps, and `current` is where the next one starts.
    void Reset(const GradeDocument& current);
    // A named step has just changed the document into `after`.
    void Record(const std::string& name, const GradeDocument& after);
    // A change that belongs to the step before it (a subject renamed in its
    // test titles after its registration): it is undone along with that step.
    void Absorb(const GradeDocument& current);

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // The name of the step Undo or Redo would take back or do again.
    const std::string& UndoName() const;
    const std::string& RedoName() const;

    // Puts `document` back as it was before the last step, or after the last
    // undone one. Nothing happens when there is no such step.
    void Undo(GradeDocument& document);
    void Redo(GradeDocument& document);

    // What was done since the last save, in order ("、" between steps); an
    // undone step that was done since then is simply left out.
    std::string ChangesSinceSave() const;
    void MarkSaved() { sinceSave_.clear(); }

private:
    struct Step {
        std::string name;
        std::unique_ptr<GradeDocument> document;
    };
    static void swapInto(Step& step, GradeDocument& document);

    std::size_t limit_;
    std::deque<Step> undo_;  // each holds the document before its step
    std::deque<Step> redo_;  // each holds the document after its step
    std::unique_ptr<GradeDocument> current_;
    std::vector<std::string> sinceSave_;
};

} // namespace miravel
