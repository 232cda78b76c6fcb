#pragma once
// The small dialog that names a record column: title, date, viewpoint and
// kind (記号, or 点数 with its full marks). OK hands the heading to the
// grid's rule, which may refuse it; the dialog then stays open on the
// refused field with the reason beside the buttons.

#include "editors/records/RecordSheet.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace miravel {

class RecordHeadingDialog : public QDialog {
    Q_OBJECT

public:
    using Apply = std::function<HeadingCheck(const RecordHeading&)>;

    RecordHeadingDialog(QWidget* parent, const QString& caption, const std::array<std::string, 3>& viewpointNames,
                        const RecordHeading& initial, Apply apply);

    RecordHeading Entered() const;

    QLineEdit* txtTitle = nullptr;
    QLineEdit* txtDate = nullptr;
    QComboBox* cboViewpoint = nullptr;
    QRadioButton* optMark = nullptr;
    QRadioButton* optPoints = nullptr;
    QSpinBox* spnFull = nullptr;
    QLabel* lblProblem = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;

    void accept() override;

private:
    Apply apply_;
};

} // namespace miravel
