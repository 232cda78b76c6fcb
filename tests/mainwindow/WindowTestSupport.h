#pragma once
// A main window on the scripted desktop, with a fresh grade book and a
// folder of its own for every test.

#include "core/Defaults.h"
#include "support/Books.h"
#include "file/Cp932.h"
#include "file/GradeBookFile.h"
#include "mainwindow/FlexGrid.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/NavigationTree.h"
#include "mainwindow/frmMain.h"
#include "platform/ScriptedPlatform.h"
#include "platform/FileLayerPath.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QPointer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace miravel::test {

inline QString U(const char* text) { return QString::fromUtf8(text); }

// Made first thing in a timer that answers a modal dialog: closes the dialog
// the answer left open, so a check failing inside ends the test at once
// instead of leaving the dialog to wait for the time-out.
class ClosesDialog {
public:
    ClosesDialog() : dialog(QApplication::activeModalWidget()) {}
    ~ClosesDialog()
    {
        if (auto* box = qobject_cast<QDialog*>(dialog.data()); box && box->isVisible())
            box->reject();
        else if (dialog && dialog->isVisible())
            dialog->close();
    }
    ClosesDialog(const ClosesDialog&) = delete;
    ClosesDialog& operator=(const ClosesDialog&) = delete;

private:
    QPointer<QWidget> dialog;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        auto fresh = std::make_unique<GradeBook>();
        Book() = std::move(*fresh);
    }

    void TearDown() override { window.reset(); }

    // Start-up as the program does it: load, defaults, show.
    frmMain& start()
    {
        window = std::make_unique<frmMain>(platform);
        InitDefaults(Book());
        window->show();
        return *window;
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // A grade book file of a 3年1組 class with the given names.
    QString writeBook(const QString& name, const std::vector<std::string>& students)
    {
        const auto book = ClassBook(students);
        const QString file = path(name);
        EXPECT_FALSE(WriteGradeBook(FileLayerPath(file), *book).has_value());
        return file;
    }

    QString writeCp932(const QString& name, const std::string& utf8)
    {
        const QString file = path(name);
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray::fromStdString(Utf8ToCp932(utf8).value()));
        return file;
    }

    static QByteArray readAll(const QString& file)
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    void open(const QString& file)
    {
        platform.fileAnswers.push_back(file);
        window->mnuFileOpen->trigger();
    }

    QAction* button(const char* key) const { return window->ToolbarButton(U(key)); }

    // A real mouse click on a node, as the teacher would make it.
    void clickNode(QTreeWidgetItem* node)
    {
        ASSERT_NE(node, nullptr);
        NavigationTree* tree = window->TreeView1;
        for (QTreeWidgetItem* up = node->parent(); up; up = up->parent())
            up->setExpanded(true);
        tree->scrollToItem(node);
        const QRect rect = tree->visualItemRect(node);
        ASSERT_TRUE(rect.isValid());
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }

    void clickKey(const char* key) { clickNode(window->TreeView1->NodeByKey(U(key))); }

    QString cell(int row, int col) const
    {
        const QTableWidgetItem* item = window->MSFlexGrid1->item(row, col);
        return item ? item->text() : QString();
    }

    QString lastMessage() const { return platform.messages.empty() ? QString() : platform.messages.back().text; }

    QTemporaryDir dir;
    ScriptedPlatform platform;
    std::unique_ptr<frmMain> window;
};

} // namespace miravel::test
