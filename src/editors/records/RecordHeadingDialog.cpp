#include "editors/records/RecordHeadingDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace miravel {

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }
QString U(const std::string& text) { return QString::fromStdString(text); }

} // namespace

RecordHeadingDialog::RecordHeadingDialog(QWidget* parent, const QString& caption,
                                         const std::array<std::string, 3>& viewpointNames,
                                         const RecordHeading& initial, Apply apply)
    : QDialog(parent), apply_(std::move(apply))
{
    setWindowTitle(caption);
    setAccessibleName(caption);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    txtTitle = new QLineEdit(U(initial.title), this);
    txtTitle->setPlaceholderText(U("例：ノート、発表、ふりかえり"));
    txtDate = new QLineEdit(U(initial.date), this);
    txtDate->setPlaceholderText(U("2026/05/12"));
    cboViewpoint = new QComboBox(this);
    for (const std::string& name : viewpointNames)
        cboViewpoint->addItem(U(name));
    cboViewpoint->setCurrentIndex(initial.viewpoint);
    form->addRow(U("記録の名前(&N)"), txtTitle);
    form->addRow(U("日付(&T)"), txtDate);
    form->addRow(U("観点(&V)"), cboViewpoint);

    auto* kindRow = new QHBoxLayout;
    optMark = new QRadioButton(U("記号 ◎○△(&M)"), this);
    optPoints = new QRadioButton(U("点数(&S)"), this);
    spnFull = new QSpinBox(this);
    spnFull->setRange(1, 1000);
    spnFull->setValue(initial.points ? initial.full : 10);
    spnFull->setSuffix(U(" 点満点"));
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(optMark);
    kinds->addButton(optPoints);
    (initial.points ? optPoints : optMark)->setChecked(true);
    spnFull->setEnabled(initial.points);
    kindRow->addWidget(optMark);
    kindRow->addWidget(optPoints);
    kindRow->addWidget(spnFull);
    kindRow->addStretch();
    form->addRow(U("種類"), kindRow);
    layout->addLayout(form);

    lblProblem = new QLabel(this);
    lblProblem->setWordWrap(true);
    lblProblem->setStyleSheet(QStringLiteral("color: #b00000"));
    layout->addWidget(lblProblem);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdOk = new QPushButton(U("OK"), this);
    cmdCancel = new QPushButton(U("ｷｬﾝｾﾙ"), this);
    cmdOk->setDefault(true);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);

    txtTitle->setAccessibleName(U("記録の名前"));
    txtDate->setAccessibleName(U("日付"));
    cboViewpoint->setAccessibleName(U("観点"));
    optMark->setAccessibleName(U("記号（◎○△）"));
    optPoints->setAccessibleName(U("点数"));
    spnFull->setAccessibleName(U("満点"));
    lblProblem->setAccessibleName(U("入力の問題"));
    cmdOk->setAccessibleName(U("OK"));
    cmdCancel->setAccessibleName(U("キャンセル"));

    connect(optPoints, &QRadioButton::toggled, spnFull, &QSpinBox::setEnabled);
    connect(cmdOk, &QPushButton::clicked, this, &RecordHeadingDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &RecordHeadingDialog::reject);
    setTabOrder(txtTitle, txtDate);
    setTabOrder(txtDate, cboViewpoint);
    setTabOrder(cboViewpoint, optMark);
    setTabOrder(optMark, optPoints);
    setTabOrder(optPoints, spnFull);
    setTabOrder(spnFull, cmdOk);
    setTabOrder(cmdOk, cmdCancel);
    txtTitle->setFocus();
}

RecordHeading RecordHeadingDialog::Entered() const
{
    const bool points = optPoints->isChecked();
    return {txtTitle->text().trimmed().toStdString(), txtDate->text().trimmed().toStdString(),
            cboViewpoint->currentIndex(), points, points ? spnFull->value() : 3};
}

void RecordHeadingDialog::accept()
{
    const HeadingCheck check = apply_(Entered());
    if (check.message.empty()) {
        QDialog::accept();
        return;
    }
    lblProblem->setText(U(check.message));
    QWidget* fields[] = {cmdOk, txtTitle, txtDate, spnFull, optPoints->isChecked() ? optPoints : optMark};
    fields[static_cast<int>(check.field)]->setFocus();
}

} // namespace miravel
