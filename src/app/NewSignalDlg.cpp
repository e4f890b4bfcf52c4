#include "app/NewSignalDlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

QLineEdit* AddNameGroup(QDialog* dialog, int width) {
    auto* group = new QGroupBox(QStringLiteral("Bezeichnung"), dialog);
    group->setObjectName(QStringLiteral("NameGroup"));
    group->setGeometry(8, 6, width - 16, 50);
    auto* edit = new QLineEdit(group);
    edit->setObjectName(QStringLiteral("nameedit"));
    edit->setGeometry(10, 20, width - 36, 22);
    return edit;
}

void AddButtons(QDialog* dialog, int width, int top) {
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    ok->setGeometry(width / 2 - 84, top, 76, 25);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), dialog);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setGeometry(width / 2 + 8, top, 76, 25);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

void PrepareDialog(QDialog* dialog, const char* name, const QString& caption, QSize size) {
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setWindowTitle(caption);
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    dialog->setFixedSize(size);
}

void FocusName(QLineEdit* edit) {
    edit->setFocus();
    edit->selectAll();
}

} // namespace

void CentreOverMainWindow(QDialog& dialog) {
    const QWidget* main = dialog.parentWidget();
    if (!main) return;
    const QRect frame = main->window()->frameGeometry();
    dialog.move(frame.left() + (frame.width() - dialog.width()) / 2,
                frame.top() + (frame.height() - dialog.height()) / 2);
}

TNewSignalDlg::TNewSignalDlg(QWidget* mainWindow, NameCheck check)
    : QDialog(mainWindow), check_(std::move(check)) {
    const int width = 290;
    PrepareDialog(this, "TNewSignalDlg", QStringLiteral("Neues Signal"), {width, 188});
    nameedit = AddNameGroup(this, width);
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
    AddButtons(this, width, 154);
}

int TNewSignalDlg::Kind() const {
    return Typegroup->checkedId();
}

void TNewSignalDlg::SetKind(int kind) {
    if (QAbstractButton* b = Typegroup->button(kind)) b->setChecked(true);
}

void TNewSignalDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOverMainWindow(*this);
    FocusName(nameedit);
}

void TNewSignalDlg::accept() {
    if (check_ && !check_(this, nameedit->text())) {
        FocusName(nameedit);
        return;
    }
    QDialog::accept();
}

TNewSignalNameDlg::TNewSignalNameDlg(QWidget* mainWindow, NameCheck check)
    : QDialog(mainWindow), check_(std::move(check)) {
    const int width = 290;
    PrepareDialog(this, "TNewSignalNameDlg", QStringLiteral("Signal einfügen"), {width, 100});
    nameedit = AddNameGroup(this, width);
    AddButtons(this, width, 66);
}

void TNewSignalNameDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOverMainWindow(*this);
    FocusName(nameedit);
}

void TNewSignalNameDlg::accept() {
    if (check_ && !check_(this, nameedit->text())) {
        FocusName(nameedit);
        return;
    }
    QDialog::accept();
}
