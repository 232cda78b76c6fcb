#include "core/UndoHistory.h"

#include <utility>

namespace miravel {

namespace {

const std::string kNoStep;

} // namespace

UndoHistory::UndoHistory(std::size_t limit)
    : limit_(limit > 0 ? limit : 1), current_(std::make_unique<GradeDocument>())
{
}

void UndoHistory::Reset(const GradeDocument& current)
{
    undo_.clear();
    redo_.clear();
    sinceSave_.clear();
    *current_ = current;
}

void UndoHistory::Record(const std::string& name, const GradeDocument& after)
{
    redo_.clear();
    // The oldest step's snapshot is reused for the new current state: one
    // copy per step, no allocation once the history is full.
    std::unique_ptr<GradeDocument> spare;
    if (undo_.size() >= limit_) {
        spare = std::move(undo_.front().document);
        undo_.pop_front();
    } else {
        spare = std::make_unique<GradeDocument>();
    }
    *spare = after;
    undo_.push_back(Step{name, std::move(current_)});
    current_ = std::move(spare);
    sinceSave_.push_back(name);
}

void UndoHistory::Absorb(const GradeDocument& current) { *current_ = current; }

const std::string& UndoHistory::UndoName() const { return undo_.empty() ? kNoStep : undo_.back().name; }

const std::string& UndoHistory::RedoName() const { return redo_.empty() ? kNoStep : redo_.back().name; }

void UndoHistory::swapInto(Step& step, GradeDocument& document)
{
    // The step's snapshot becomes the document, and the document's state
    // goes into the step, ready for the way back (through the heap: a
    // document is too large for the stack).
    auto held = std::make_unique<GradeDocument>(std::move(document));
    document = std::move(*step.document);
    step.document = std::move(held);
}

void UndoHistory::Undo(GradeDocument& document)
{
    if (undo_.empty())
        return;
    Step step = std::move(undo_.back());
    undo_.pop_back();
    swapInto(step, document);
    *current_ = document;
    if (!sinceSave_.empty() && sinceSave_.back() == step.name)
        sinceSave_.pop_back();
    else
        sinceSave_.push_back(step.name + "の取り消し");
    redo_.push_back(std::move(step));
}

void UndoHistory::Redo(GradeDocument& document)
{
    if (redo_.empty())
        return;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    swapInto(step, document);
    *current_ = document;
    sinceSave_.push_back(step.name);
    undo_.push_back(std::move(step));
}

std::string UndoHistory::ChangesSinceSave() const
{
    std::string text;
    for (const std::string& name : sinceSave_)
        text += (text.empty() ? "" : "、") + name;
    return text;
}

} // namespace miravel
