// Builds the main window's controls at their fixed pixel bounds and its menu.
#include "app/Glyphs.h"
#include "app/MainForm.h"
#include "app/SignalRowDelegate.h"
#include "app/ToolIcons.h"
#include "ui/PaintBox.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolButton>

namespace {

QToolButton* MakeButton(QWidget* parent, const char* name, const QRect& bounds,
                        const QString& hint = {}) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(bounds);
    b->setAutoRaise(true);
    b->setIconSize(QSize(18, 18));
    b->setFocusPolicy(Qt::NoFocus);
    if (!hint.isEmpty()) b->setToolTip(hint);
    return b;
}

QToolButton* MakeButton(QWidget* parent, const char* name, const QRect& bounds, const QString& hint,
                        ToolIcon icon) {
    QToolButton* b = MakeButton(parent, name, bounds, hint);
    b->setIcon(MakeToolIcon(icon));
    return b;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QRect& bounds, const QString& title) {
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(bounds);
    return g;
}

// A sunken panel with a caption on the left and a value field filling the rest.
QFrame* MakePanel(QWidget* parent, const char* name, const QRect& bounds, const QString& caption,
                  int captionWidth) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(bounds);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    auto* label = new QLabel(caption, panel);
    label->setGeometry(3, 1, captionWidth, bounds.height() - 2);
    return panel;
}

// The value label of a readout panel: right after the caption's text, up to the panel's
// inner edge, so that the widest values the readouts show fit.
QLabel* AddReadout(QFrame* panel, const char* name) {
    const auto* caption = panel->findChild<QLabel*>();
    const int left = caption->x() + caption->fontMetrics().horizontalAdvance(caption->text()) + 2;
    auto* value = new QLabel(panel);
    value->setObjectName(QString::fromLatin1(name));
    value->setGeometry(left, 1, panel->width() - 1 - left, panel->height() - 2);
    return value;
}

} // namespace

void TMainForm::CreateControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(633, 493);
    setCentralWidget(client);

    GroupBox2 = MakeGroup(client, "GroupBox2", {4, 0, 233, 221}, QStringLiteral("Signale"));
    SignalListBox = new QListWidget(GroupBox2);
    SignalListBox->setObjectName(QStringLiteral("SignalListBox"));
    SignalListBox->setGeometry(8, 16, 217, 197);
    SignalListBox->setUniformItemSizes(true);
    SignalListBox->setItemDelegate(new SignalRowDelegate(project_, ListIcons, SignalListBox));
    SignalListBox->setContextMenuPolicy(Qt::PreventContextMenu);

    NewProjectBtn = MakeButton(client, "NewProjectBtn", {240, 6, 25, 25},
                               QStringLiteral("Neues Projekt anlegen"), ToolIcon::NewProject);
    OpenProjectBtn = MakeButton(client, "OpenProjectBtn", {240, 30, 25, 25},
                                QStringLiteral("Projekt laden"), ToolIcon::OpenProject);
    SaveProjectBtn = MakeButton(client, "SaveProjectBtn", {241, 54, 25, 25},
                                QStringLiteral("Projekt speichern"), ToolIcon::SaveProject);
    NewSignalBtn = MakeButton(client, "NewSignalBtn", {240, 88, 25, 25},
                              QStringLiteral("Neues Signal erzeugen"), ToolIcon::NewSignal);
    DeleteSignalBtn = MakeButton(client, "DeleteSignalBtn", {240, 112, 25, 25},
                                 QStringLiteral("Signal entfernen"), ToolIcon::DeleteSignal);
    SignalOptionsBtn = MakeButton(client, "SignalOptionsBtn", {240, 136, 25, 25},
                                  QStringLiteral("Signal bearbeiten"), ToolIcon::EditSignal);
    CopySignalBtn = MakeButton(client, "CopySignalBtn", {240, 160, 25, 25},
                               QStringLiteral("Signal kopieren"), ToolIcon::CopySignal);
    PasteSignalBtn = MakeButton(client, "PasteSignalBtn", {240, 184, 25, 25},
                                QStringLiteral("Signal einfügen"), ToolIcon::PasteSignal);

    specgroup0 = MakeGroup(client, "specgroup0", {272, 0, 329, 109}, {});
    specbox0 = new PaintBox(specgroup0, QStringLiteral("specbox0"), {6, 14, 317, 91});
    specgroup1 = MakeGroup(client, "specgroup1", {272, 112, 329, 109}, {});
    specbox1 = new PaintBox(specgroup1, QStringLiteral("specbox1"), {6, 14, 317, 91});

    Panel1 = MakePanel(client, "Panel1", {448, 105, 153, 18}, QStringLiteral("Wert:"), 32);
    SpecEdit = new QLineEdit(Panel1);
    SpecEdit->setObjectName(QStringLiteral("SpecEdit"));
    SpecEdit->setGeometry(36, 1, 116, 16);
    SpecEdit->setFrame(false);

    Effektivwertpanel = MakePanel(client, "Effektivwertpanel", {272, 221, 117, 18},
                                  QStringLiteral("Effektivwert:"), 62);
    Effektivwertlabel = AddReadout(Effektivwertpanel, "Effektivwertlabel");
    Klirrfaktorpanel = MakePanel(client, "Klirrfaktorpanel", {392, 221, 117, 18},
                                 QStringLiteral("Klirrfaktor:"), 56);
    KlirrLabel = AddReadout(Klirrfaktorpanel, "KlirrLabel");

    hBar = new QScrollBar(Qt::Horizontal, client);
    hBar->setObjectName(QStringLiteral("hBar"));
    hBar->setGeometry(511, 222, 86, 16);
    hBar->setPageStep(1);

    GroupBox1 =
        MakeGroup(client, "GroupBox1", {4, 224, 597, 205}, QStringLiteral("Liniendiagramm"));
    diagbox = new PaintBox(GroupBox1, QStringLiteral("diagbox"), {4, 14, 589, 187});
    // The readout panels and the value field overlap the group boxes' frames: keep them on top.
    Effektivwertpanel->raise();
    Klirrfaktorpanel->raise();
    hBar->raise();
    Panel1->raise();

    SpecModeBtn = MakeButton(client, "SpecModeBtn", {604, 6, 25, 26},
                             QStringLiteral("Spektrenanzeige umschalten"), ToolIcon::SpectrumMode);
    Plus3Btn = MakeButton(client, "Plus3Btn", {604, 36, 25, 25});
    Plus2Btn = MakeButton(client, "Plus2Btn", {604, 60, 25, 25});
    Plus1Btn = MakeButton(client, "Plus1Btn", {604, 84, 25, 25});
    ZeroBtn = MakeButton(client, "ZeroBtn", {604, 114, 25, 25});
    Minus1Btn = MakeButton(client, "Minus1Btn", {604, 144, 25, 25});
    Minus2Btn = MakeButton(client, "Minus2Btn", {604, 168, 25, 25});
    Minus3Btn = MakeButton(client, "Minus3Btn", {604, 192, 25, 25});
    for (QToolButton* b : {Plus3Btn, Plus2Btn, Plus1Btn, ZeroBtn, Minus1Btn, Minus2Btn, Minus3Btn})
        b->setIconSize(QSize(17, 17));
    SoundBtn = MakeButton(client, "SoundBtn", {604, 240, 25, 25}, QStringLiteral("Tonwiedergabe"),
                          ToolIcon::Sound);
    OptionsBtn = MakeButton(client, "OptionsBtn", {604, 272, 25, 25},
                            QStringLiteral("Einstellungen"), ToolIcon::Options);
    PlusBtn = MakeButton(client, "PlusBtn", {604, 328, 25, 25},
                         QStringLiteral("Winkel/Zeitachse dehnen"), ToolIcon::StretchTime);
    MinusBtn = MakeButton(client, "MinusBtn", {604, 352, 25, 25},
                          QStringLiteral("Winkel/Zeitachse stauchen"), ToolIcon::SqueezeTime);
    RangeUpBtn = MakeButton(client, "RangeUpBtn", {604, 380, 25, 25},
                            QStringLiteral("Amplitudenachse dehnen"), ToolIcon::StretchAmplitude);
    RangeDownBtn =
        MakeButton(client, "RangeDownBtn", {604, 404, 25, 25},
                   QStringLiteral("Amplitudenachse stauchen"), ToolIcon::SqueezeAmplitude);
}

void TMainForm::CreateMenu() {
    auto item = [this](QMenu* menu, const char* name, const QString& text) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    QMenuBar* bar = menuBar();

    QMenu* project = bar->addMenu(QStringLiteral("&Projekt"));
    project->setObjectName(QStringLiteral("ProjectMenu"));
    NewProjectItem = item(project, "NewProjectItem", QStringLiteral("&Neu"));
    OpenProjectItem = item(project, "OpenProjectItem", QStringLiteral("&Laden"));
    SaveProjectItem = item(project, "SaveProjectItem", QStringLiteral("&Speichern"));
    SaveProjectAsItem = item(project, "SaveProjectAsItem", QStringLiteral("Speichern &als ..."));
    project->addSeparator();
    ExitItem = item(project, "ExitItem", QStringLiteral("&Beenden"));

    QMenu* signal = bar->addMenu(QStringLiteral("&Signal"));
    signal->setObjectName(QStringLiteral("SignalMenu"));
    NewSignalItem = item(signal, "NewSignalItem", QStringLiteral("&Neu"));
    DeleteSignalItem = item(signal, "DeleteSignalItem", QStringLiteral("&Löschen"));
    CopySignalItem = item(signal, "CopySignalItem", QStringLiteral("&Kopieren"));
    PasteSignalItem = item(signal, "PasteSignalItem", QStringLiteral("&Einfügen"));
    EditSignalItem = item(signal, "EditSignalItem", QStringLiteral("&Bearbeiten"));
    signal->addSeparator();
    ConvertItem = item(signal, "ConvertItem", QStringLiteral("Kon&vertieren"));
    ExportMenu = signal->addMenu(QStringLiteral("E&xportieren"));
    ExportMenu->setObjectName(QStringLiteral("ExportMenu"));
    ExportItem = ExportMenu->menuAction();
    ExportItem->setObjectName(QStringLiteral("ExportItem"));
    QMenu* spectra = ExportMenu->addMenu(QStringLiteral("Spektren"));
    spectra->setObjectName(QStringLiteral("ExportSpecMenu"));
    ExportSpecItem = spectra->menuAction();
    ExportSpecItem->setObjectName(QStringLiteral("ExportSpecItem"));
    N32Harmonische1 = item(spectra, "N32Harmonische1", QStringLiteral("32 Harmonische"));
    N64Harmonische1 = item(spectra, "N64Harmonische1", QStringLiteral("64 Harmonische"));
    N128Harmonische1 = item(spectra, "N128Harmonische1", QStringLiteral("128 Harmonische"));
    ExportDiagItem = item(ExportMenu, "ExportDiagItem", QStringLiteral("Liniendiagramm"));
    ExportTabItem = item(ExportMenu, "ExportTabItem", QStringLiteral("Tabelle"));
    SaveSoundItem = item(signal, "SaveSoundItem", QStringLiteral("Sound speichern"));

    OptionsItem = bar->addAction(QStringLiteral("&Einstellungen"));
    OptionsItem->setObjectName(QStringLiteral("OptionsItem"));

    QMenu* help = bar->addMenu(QStringLiteral("&Hilfe"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    Inhalt1 = item(help, "Inhalt1", QStringLiteral("In&halt"));
    TheoryItem = item(help, "TheoryItem", QStringLiteral("&Theorie"));
    ContentsItem = item(help, "ContentsItem", QStringLiteral("&Allgemeines"));
    help->addSeparator();
    InfoItem = item(help, "InfoItem", QStringLiteral("&Info"));
}
