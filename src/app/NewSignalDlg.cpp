#include "app/NewSignalDlg.h"

#include "app/DialogPlacement.h"
#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

void PrepareDialog(QDialog* dialog, const char* name, const QString& caption, QSize size) {
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setWindowTitle(caption);
    dialog->setFixedSize(size);
}

} // namespace

TSignalNameDialog::TSignalNameDialog(QWidget* mainWindow, NameCheck check)
    : QDialog(mainWindow), check_(std::move(check)) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
}

void TSignalNameDialog::AddNameGroup(int width) {
    auto* group = new QGroupBox(QStringLiteral("Bezeichnung"), this);
    group->setObjectName(QStringLiteral("NameGroup"));
    group->setGeometry(8, 6, width - 16, 50);
    nameedit = new QLineEdit(group);
    nameedit->setObjectName(QStringLiteral("nameedit"));
    nameedit->setGeometry(10, 20, width - 36, 22);
}

void TSignalNameDialog::AddButtons(int width, int top) {
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    ok->setGeometry(width / 2 - 84, top, 76, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setGeometry(width / 2 + 8, top, 76, 25);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TSignalNameDialog::FocusName() {
    nameedit->setFocus();
    nameedit->selectAll();
}

void TSignalNameDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOverMainWindow(*this);
    FocusName();
}

void TSignalNameDialog::accept() {
    if (check_ && !check_(this, nameedit->text())) {
        FocusName();
        return;
    }
    QDialog::accept();
}

TNewSignalDlg::TNewSignalDlg(QWidget* mainWindow, NameCheck check)
    : TSignalNameDialog(mainWindow, std::move(check)) {
    const int width = 290;
    PrepareDialog(this, "TNewSignalDlg", QStringLiteral("Neues Signal"), {width, 188});
    AddNameGroup(width);
    auto* box = new QGroupBox(QStringLiteral("Bildungstyp"), this);
    box->setObjectName(QStringLiteral("TypegroupBox"));
    box->setGeometry(8, 60, width - 16, 86);
    Typegroup = new QButtonGroup(this);
    Typegroup->setObjectName(QStringLiteral("Typegroup"));
    const QString items[] = {QStringLiteral("Spektallinien "),
                             QStringLiteral("Signalform (Fourieranalyse)"),
                             QStringLiteral("Formeln (Fourierreihe)")};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(items[i], box);
        radio->setObjectName(QStringLiteral("Typegroup%1").arg(i));
        radio->setGeometry(10, 20 + 21 * i, width - 40, 20);
        Typegroup->addButton(radio, i);
    }
    SetKind(0);
    AddButtons(width, 154);
}

int TNewSignalDlg::Kind() const {
    return Typegroup->checkedId();
}

void TNewSignalDlg::SetKind(int kind) {
    if (QAbstractButton* b = Typegroup->button(kind)) b->setChecked(true);
}

TNewSignalNameDlg::TNewSignalNameDlg(QWidget* mainWindow, NameCheck check)
    : TSignalNameDialog(mainWindow, std::move(check)) {
    const int width = 290;
    PrepareDialog(this, "TNewSignalNameDlg", QStringLiteral("Signal einfügen"), {width, 100});
    AddNameGroup(width);
    AddButtons(width, 66);
}
