#include "mainwindow/HandoffProfileEditor.h"

#include "core/GradeBook.h"
#include "grades/HandoffRows.h"
#include "mainwindow/FailureText.h"
#include "mainwindow/MainWindowTexts.h"
#include "platform/Platform.h"
#include "platform/FileLayerPath.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace miravel {

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }
QString S(const std::string& text) { return QString::fromStdString(text); }

const char* const kSymbolNames[7] = {"A", "B", "C", "評定 3", "評定 2", "評定 1", "評価なし"};

// Every column a profile can have, in the order the list offers them; a
// fixed text comes last.
std::vector<HandoffColumn> ColumnChoices()
{
    std::vector<HandoffColumn> choices;
    for (HandoffField field : {HandoffField::GradeLevel, HandoffField::ClassName, HandoffField::Number,
                               HandoffField::Code, HandoffField::Name})
        choices.push_back({field, 0, 0, "", ""});
    // Then subjects 7..10, evaluated from records (named 教科7.. until named).
    for (int s = 0; s < kRecordSubjects; ++s) {
        for (int v = 0; v < kViewpoints; ++v)
            choices.push_back({HandoffField::Letter, s, v, "", ""});
        choices.push_back({HandoffField::SubjectGrade, s, 0, "", ""});
    }
    choices.push_back({HandoffField::Fixed, 0, 0, "", ""});
    return choices;
}

// "国語 表現（s1v1）", "「前期」（固定の文字）", "出席番号".
QString ColumnText(const GradeBook& book, HandoffColumn column)
{
    const std::string header = column.header;
    column.header.clear();
    QString text = column.field == HandoffField::Fixed
                       ? U("「") + S(column.text) + U("」（固定の文字）")
                   : column.field == HandoffField::Letter || column.field == HandoffField::SubjectGrade
                       ? S(HandoffColumnTitle(book, column) + "（" + HandoffColumnKey(column) + "）")
                       : S(HandoffColumnKey(column));
    if (!header.empty())
        text += U("　見出し「") + S(header) + U("」");
    return text;
}

QLabel* Buddy(const char* caption, QWidget* field, QWidget* parent)
{
    auto* label = new QLabel(U(caption), parent);
    label->setBuddy(field);
    QString name = U(caption);
    field->setAccessibleName(name.remove(QRegularExpression(QStringLiteral("\\(&.\\)|[：&]"))));
    return label;
}

} // namespace

HandoffProfileEditor::HandoffProfileEditor(QWidget* parent, Platform& platform, const GradeBook& book,
                                           const HandoffProfile& profile)
    : QDialog(parent), platform_(platform), book_(book), columns_(profile.columns)
{
    setObjectName(QStringLiteral("HandoffProfileEditor"));
    setWindowTitle(U("提出用の書式の編集"));

    Name = new QLineEdit(S(profile.name), this);
    Encoding = new QComboBox(this);
    Encoding->addItems({U("UTF-8（BOM付き）"), U("UTF-8（BOMなし）"), U("シフトJIS（cp932）")});
    Encoding->setCurrentIndex(static_cast<int>(profile.encoding));
    Header = new QCheckBox(U("1行目に見出しを書く(&H)"), this);
    Header->setChecked(profile.header);
    auto* symbols = new QGridLayout;
    for (int i = 0; i < 7; ++i) {
        const std::string& value = i < 3 ? profile.letters[i] : i < 6 ? profile.grades[i - 3] : profile.none;
        Symbols[i] = new QLineEdit(S(value), this);
        Symbols[i]->setAccessibleName(U(kSymbolNames[i]) + U(" の記号"));
        Symbols[i]->setMaximumWidth(90);
        auto* label = new QLabel(U(kSymbolNames[i]), this);
        label->setBuddy(Symbols[i]);
        symbols->addWidget(label, 0, i);
        symbols->addWidget(Symbols[i], 1, i);
    }

    Columns = new QListWidget(this);
    Up = new QPushButton(U("上へ(&U)"), this);
    Down = new QPushButton(U("下へ(&D)"), this);
    Remove = new QPushButton(U("削除(&R)"), this);
    NewColumn = new QComboBox(this);
    for (const HandoffColumn& column : ColumnChoices())
        NewColumn->addItem(column.field == HandoffField::Fixed ? U("固定の文字") : ColumnText(book, column));
    FixedText = new QLineEdit(this);
    Add = new QPushButton(U("追加(&I)"), this);
    ColumnHeader = new QLineEdit(this);
    Save = new QPushButton(U("保存(&S)..."), this);
    auto* cancel = new QPushButton(U("ｷｬﾝｾﾙ"), this);
    Save->setDefault(true);

    auto* form = new QGridLayout;
    form->addWidget(Buddy("名前(&N)：", Name, this), 0, 0);
    form->addWidget(Name, 0, 1, 1, 2);
    form->addWidget(Buddy("文字コード(&C)：", Encoding, this), 1, 0);
    form->addWidget(Encoding, 1, 1);
    form->addWidget(Header, 1, 2);
    auto* listButtons = new QVBoxLayout;
    for (QPushButton* button : {Up, Down, Remove})
        listButtons->addWidget(button);
    listButtons->addStretch();
    auto* list = new QHBoxLayout;
    list->addWidget(Columns, 1);
    list->addLayout(listButtons);
    auto* adding = new QHBoxLayout;
    adding->addWidget(Buddy("追加する列(&A)：", NewColumn, this));
    adding->addWidget(NewColumn, 1);
    adding->addWidget(Buddy("固定の文字(&T)：", FixedText, this));
    adding->addWidget(FixedText);
    adding->addWidget(Add);
    auto* heading = new QHBoxLayout;
    heading->addWidget(Buddy("選んだ列の見出し(&G)：", ColumnHeader, this));
    heading->addWidget(ColumnHeader, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Save);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(U("記号（評価と評定をどう書くか）："), this));
    layout->addLayout(symbols);
    layout->addWidget(Buddy("列（上から順に、ファイルの左から）(&L)：", Columns, this));
    layout->addLayout(list);
    layout->addLayout(adding);
    layout->addLayout(heading);
    layout->addLayout(buttons);
    resize(720, 560);

    connect(Columns, &QListWidget::currentRowChanged, this, &HandoffProfileEditor::columnChosen);
    connect(Up, &QPushButton::clicked, this, [this] { move(-1); });
    connect(Down, &QPushButton::clicked, this, [this] { move(1); });
    connect(Remove, &QPushButton::clicked, this, &HandoffProfileEditor::removeColumn);
    connect(Add, &QPushButton::clicked, this, &HandoffProfileEditor::addColumn);
    connect(ColumnHeader, &QLineEdit::textEdited, this, &HandoffProfileEditor::headerEdited);
    connect(Save, &QPushButton::clicked, this, &HandoffProfileEditor::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showColumns(columns_.empty() ? -1 : 0);
}

HandoffProfile HandoffProfileEditor::Profile() const
{
    HandoffProfile profile;
    profile.name = Name->text().trimmed().toStdString();
    profile.encoding = static_cast<HandoffEncoding>(Encoding->currentIndex());
    profile.header = Header->isChecked();
    for (int i = 0; i < 7; ++i) {
        const std::string value = Symbols[i]->text().trimmed().toStdString();
        (i < 3 ? profile.letters[i] : i < 6 ? profile.grades[i - 3] : profile.none) = value;
    }
    profile.columns = columns_;
    return profile;
}

void HandoffProfileEditor::showColumns(int current)
{
    const QSignalBlocker quiet(Columns);
    Columns->clear();
    for (std::size_t i = 0; i < columns_.size(); ++i)
        Columns->addItem(QString::number(i + 1) + U("　") + ColumnText(book_, columns_[i]));
    Columns->setCurrentRow(current);
    columnChosen();
}

void HandoffProfileEditor::columnChosen()
{
    const int row = Columns->currentRow();
    const bool chosen = row >= 0;
    Up->setEnabled(chosen && row > 0);
    Down->setEnabled(chosen && row + 1 < Columns->count());
    Remove->setEnabled(chosen);
    ColumnHeader->setEnabled(chosen);
    ColumnHeader->setText(chosen ? S(columns_[row].header) : QString());
    HandoffColumn plain = chosen ? columns_[row] : HandoffColumn{};
    plain.header.clear();
    ColumnHeader->setPlaceholderText(chosen ? S(HandoffColumnTitle(book_, plain)) : QString());
}

void HandoffProfileEditor::move(int by)
{
    const int row = Columns->currentRow();
    if (row < 0 || row + by < 0 || row + by >= static_cast<int>(columns_.size()))
        return;
    std::swap(columns_[row], columns_[row + by]);
    showColumns(row + by);
}

void HandoffProfileEditor::removeColumn()
{
    const int row = Columns->currentRow();
    if (row < 0)
        return;
    columns_.erase(columns_.begin() + row);
    showColumns(std::min(row, static_cast<int>(columns_.size()) - 1));
}

// After the chosen column, or at the end.
void HandoffProfileEditor::addColumn()
{
    HandoffColumn column = ColumnChoices()[NewColumn->currentIndex()];
    if (column.field == HandoffField::Fixed) {
        column.text = FixedText->text().toStdString();
        if (column.text.empty()) {
            FixedText->setFocus();
            return;
        }
    }
    const int at = Columns->currentRow() < 0 ? static_cast<int>(columns_.size()) : Columns->currentRow() + 1;
    columns_.insert(columns_.begin() + at, column);
    showColumns(at);
}

void HandoffProfileEditor::headerEdited()
{
    const int row = Columns->currentRow();
    if (row < 0)
        return;
    columns_[row].header = ColumnHeader->text().trimmed().toStdString();
    Columns->item(row)->setText(QString::number(row + 1) + U("　") + ColumnText(book_, columns_[row]));
}

void HandoffProfileEditor::save()
{
    if (columns_.empty()) {
        platform_.ShowMessage(this, U("列がありません。追加する列を選んで［追加］を押してください。"),
                              U(texts::kProgramTitle), MessageButtons::Ok, MessageIcon::None);
        NewColumn->setFocus();
        return;
    }
    const QString path = platform_.GetSaveFileName(this, U("書式を保存する"),
                                                   U("書式ファイル (*.miravel-profile)|*.miravel-profile"));
    if (path.isEmpty())
        return;
    if (const FileResult error = WriteHandoffProfile(FileLayerPath(path), Profile())) {
        platform_.ShowMessage(this, FailureText("書式を保存できません。", path, *error), U(texts::kProgramTitle),
                              MessageButtons::Ok, MessageIcon::None);
        return;
    }
    savedPath_ = path;
    accept();
}

} // namespace miravel
