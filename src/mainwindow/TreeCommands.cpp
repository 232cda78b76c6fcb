// The navigation tree: its rebuild, node clicks, the edit command that
// opens the editor for the selected node, and the renaming of a subject's
// nodes after its name changed.

#include "mainwindow/frmMain.h"

#include "core/EvaluationRules.h"
#include "core/GradeBook.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/NavigationTree.h"
#include "grades/TreeNodes.h"
#include "grades/GridBase.h"
#include "platform/Platform.h"

#include <QAction>
#include <QSignalBlocker>

namespace miravel {

namespace {

// Every occurrence of `from` replaced, compared exactly; an empty `from`
// finds nothing.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to)
{
    if (from.empty())
        return text;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

void frmMain::MSFlexGrid1_init()
{
    miravel::MSFlexGrid1_init(Book(), pane_.Grid);
    ShowPane();
}

void frmMain::showPlaceholderNode()
{
    const QSignalBlocker quiet(TreeView1);
    TreeView1->Clear();
    TreeView1->AddTopNode(message(texts::kRootNodeKey), message(texts::kRootNodeText));
}

void frmMain::TreeView1_refresh()
{
    {
        const QSignalBlocker quiet(TreeView1);
        TreeView1->Rebuild(BuildTreeNodes(Book()));
        // The table shows the node that was current: the tree must agree.
        TreeView1->ShowNode(QString::fromStdString(Book().CurrentNodeKey));
    }
    MSFlexGrid1_init();
}

bool frmMain::setClassNodeWithBlanks()
{
    QTreeWidgetItem* node = TreeView1->NodeByIndex(1);
    if (!node || NavigationTree::NodeKey(node) != message(texts::kClassNodeKey))
        return false;
    const GradeBook& book = Book();
    node->setText(0, QString::fromStdString(ClassLine(book)));
    NavigationTree::SetNodeImage(node, QStringLiteral("root"));
    return true;
}

void frmMain::TreeView1_NodeClick(QTreeWidgetItem* node)
{
    if (!node)
        return;
    GradeBook& book = Book();
    const QString key = NavigationTree::NodeKey(node);
    book.CurrentNodeKey = key.toStdString();
    book.CurrentNodeIndex = static_cast<Integer>(NavigationTree::NodeIndex(node));
    commands_.viewpointShown = false;
    applyCommands();

    if (key == message(texts::kClassNodeKey)) {
        setEditCaptions(texts::kEditClassMenu, texts::kEditClassButton);
        ShowRosterView(book, pane_);
        ShowNewView();
        SetStatusHint(message(texts::kHintClass));
        return;
    }
    if (key == message(texts::kRootNodeKey) && node->text(0) == message(texts::kRootNodeText)) {
        inform(message(texts::kPleaseOpenFile));
        return;
    }
    if (book.CountEnrolledStudents() == 0) {
        inform(message(texts::kNoStudentsYet));
        return;
    }

    const int kind = SelectNodeIndexes(book, book.CurrentNodeKey);
    switch (kind) {
    case kSubjectNode:
        setEditCaptions(texts::kEditSubjectMenu, texts::kEditSubjectButton);
        SetStatusHint(message(texts::kHintSubject));
        break;
    case kSemesterNode:
        setEditCaptions(texts::kEditSemesterMenu, texts::kEditSemesterButton);
        SetStatusHint(message(texts::kHintSemester));
        break;
    case kTestNode:
        setEditCaptions(texts::kEditTestMenu, texts::kEditTestButton);
        SetStatusHint(message(texts::kHintTest));
        break;
    case kEvaluationNode:
        setEditCaptions(texts::kEditEvaluationMenu, texts::kEditEvaluationButton);
        SetStatusHint(message(texts::kHintEvaluation));
        // The list's own node only leads to its periods.
        if (EvaluationPeriodOf(book.CurrentNodeKey) < 0)
            return;
        break;
    case kRecordsNode:
    case kExtraSubjectNode:
        // The table shows the records; their grid edits them.
        setEditCaptions(texts::kEditRecordsMenu, texts::kEditRecordsButton);
        SetStatusHint(message(texts::kHintRecords));
        break;
    case kViewpointNode: {
        // Viewpoints have no editor.
        QAction* editButton = ToolbarButton(message(texts::kKeyEdit));
        editButton->setText(message(texts::kEditViewpointButton));
        editButton->setIconText(message(texts::kEditViewpointButton));
        commands_.viewpointShown = true;
        applyCommands();
        SetStatusHint(message(texts::kHintViewpoint));
        break;
    }
    default:
        return;
    }
    ShowNodeView(book, pane_, kind);
    ShowNewView();
}

bool frmMain::SelectNodeByKey(const std::string& key)
{
    QTreeWidgetItem* node = TreeView1->NodeByKey(QString::fromStdString(key));
    if (!node || !isEnabled())
        return false;
    {
        const QSignalBlocker quiet(TreeView1);
        TreeView1->setCurrentItem(node);
        TreeView1->scrollToItem(node);
    }
    TreeView1_NodeClick(node);
    return true;
}

void frmMain::mnuEditProperty_Click()
{
    GradeBook& book = Book();
    const std::string& key = book.CurrentNodeKey;
    if (key == texts::kRootNodeKey)
        return;
    if (key == texts::kClassNodeKey || mnuEditProperty->text() == message(texts::kEditClassMenu)) {
        if (!hasEditor(EditorKind::HomeRoom))
            return;
        book.CurrentNodeIndex = 1;
        openEditor(EditorKind::HomeRoom);
        showClassCaption();
        setClassNodeWithBlanks();
        return;
    }
    // Subjects, semesters and tests have an editor; viewpoints only select.
    const int kind = KeyNumberAt(key, 1);
    static const EditorKind editors[] = {EditorKind::SubjectSpec, EditorKind::SemesterSpec, EditorKind::TestSpec};
    if (kind == kViewpointNode) {
        SelectNodeIndexes(book, key);
        return;
    }
    if (kind == kEvaluationNode) {
        mnuEditEvaluation_Click();
        return;
    }
    if (kind == kRecordsNode || kind == kExtraSubjectNode) {
        mnuEditRecords_Click();
        return;
    }
    if (kind < kSubjectNode || kind > kTestNode || !hasEditor(editors[kind]))
        return;
    SelectNodeIndexes(book, key);
    if (kind == kSubjectNode)
        book.EditAccepted = true;
    openEditor(editors[kind]);
}

void frmMain::mnuEditEvaluation_Click()
{
    if (hasEditor(EditorKind::EvaluationMethod))
        openEditor(EditorKind::EvaluationMethod);
}

void frmMain::mnuEditRecords_Click()
{
    // The grid reads its subject and period from the selected node's key.
    if (hasEditor(EditorKind::Records) && Book().CountEnrolledStudents() > 0)
        openEditor(EditorKind::Records);
}

void frmMain::EvaluationSettingsChanged(bool termsChanged)
{
    if (!termsChanged)
        return;
    GradeBook& book = Book();
    const std::string& key = book.CurrentNodeKey;
    const int kind = KeyNumberAt(key, 1);
    const bool hiddenSemester =
        (((kind >= kSemesterNode && kind <= kViewpointNode) || kind == kRecordsNode) &&
         KeyNumberAt(key, 5) >= ShownSemesters(book)) ||
        (kind == kEvaluationNode && EvaluationPeriodOf(key) >= ShownSemesters(book) &&
         EvaluationPeriodOf(key) < kYearRoundPeriod);
    // A subject 7..10 given up takes its nodes with it.
    const bool goneSubject = (kind == kRecordsNode || kind == kExtraSubjectNode) &&
                             !RecordSubjectInUse(book.Evaluation.Records, KeyNumberAt(key, 3));
    if (hiddenSemester || goneSubject)
        book.CurrentNodeKey = texts::kClassNodeKey;
    TreeView1_refresh();
    // The nodes after a hidden semester moved: the selection follows its key.
    QTreeWidgetItem* node = TreeView1->NodeByKey(QString::fromStdString(book.CurrentNodeKey));
    book.CurrentNodeIndex = static_cast<Integer>(node ? NavigationTree::NodeIndex(node) : 1);
    const QSignalBlocker quiet(TreeView1);
    TreeView1->setCurrentItem(node ? node : TreeView1->NodeByIndex(1));
}

void frmMain::renameSubjectNodes()
{
    GradeBook& book = Book();
    QTreeWidgetItem* subjectNode = TreeView1->NodeByIndex(book.CurrentNodeIndex);
    // Only a selected subject node has a subtree to rename.
    if (!subjectNode || !NavigationTree::NodeKey(subjectNode).startsWith(QLatin1Char('0')))
        return;
    const std::string oldName = subjectNode->text(0).toStdString();
    const std::string& newName = book.SubjectTable[book.CurrentSubject][0];
    if (oldName == newName || oldName.empty())
        return;
    const int first = book.CurrentNodeIndex;
    for (int index = first; index < first + SubjectSubtreeNodes(book); ++index) {
        QTreeWidgetItem* node = TreeView1->NodeByIndex(index);
        if (!node)
            break;
        const std::string renamed = ReplaceAll(node->text(0).toStdString(), oldName, newName);
        if (!renamed.empty())
            node->setText(0, QString::fromStdString(renamed));
    }
    // The subject's tests and semester summary in the current semester.
    const int firstSlot = TestSlot(book.CurrentSemester, book.CurrentSubject, 0, 0);
    const int slotsPerSubject = kParts * (kTests + 1);
    bool titlesChanged = false;
    for (int k = 0; k < slotsPerSubject; ++k) {
        std::string& title = book.SlotTitles[firstSlot + k][1];
        std::string renamed = ReplaceAll(title, oldName, newName);
        if (renamed != title) {
            title = std::move(renamed);
            titlesChanged = true;
        }
    }
    if (titlesChanged)
        book.MarkChanged();
}

} // namespace miravel
