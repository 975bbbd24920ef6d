#include "InputPage.h"

#include "toolkit/LastFolders.h"
#include "toolkit/PageControls.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace hydrolofter {
namespace {

QString suffixOf(DesignKind kind) {
    return kind == DesignKind::Rocket ? QStringLiteral(".rocket.json")
                                      : QStringLiteral(".site.json");
}

QString kindFilter(DesignKind kind) {
    return (kind == DesignKind::Rocket ? QStringLiteral("Rocket designs (*")
                                       : QStringLiteral("Launch site designs (*")) +
           suffixOf(kind) + ")";
}

QString filterOf(DesignKind kind) {
    return kindFilter(kind) + QStringLiteral(";;All files (*)");
}

/// The folder a dialog for this page's file opens in.
QString folderFor(const QString& designFile) {
    return designFile.isEmpty() ? lastFolder(FolderKind::Designs)
                                : QFileInfo(designFile).absolutePath();
}

QString nameOf(DesignKind kind) {
    return QString::fromUtf8(designName(kind).data(), qsizetype(designName(kind).size()));
}

} // namespace

InputPage::InputPage(const QString& caption, FieldGroup group, FieldForm::Boxes boxes,
                     const std::optional<DesignButtons>& designs, QWidget* parent)
    : PropertyPage(caption, parent), m_group(group) {
    auto* page = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    page->addLayout(left, 1);
    m_form = std::make_unique<FieldForm>(group, *this, *left, boxes);
    if (!designs || !designs->files)
        left->addStretch(1); // no description box below to take the room
    if (designs)
        addDesignButtons(*page, *designs);
    // Any change a user can make shows in one of these signals.
    auto changed = [this] { emit designStateChanged(); };
    for (auto* edit : findChildren<QLineEdit*>())
        connect(edit, &QLineEdit::textChanged, this, changed);
    for (auto* edit : findChildren<QPlainTextEdit*>())
        connect(edit, &QPlainTextEdit::textChanged, this, changed);
    for (auto* combo : findChildren<QComboBox*>())
        connect(combo, &QComboBox::currentIndexChanged, this, changed);
    for (auto* button : findChildren<QAbstractButton*>())
        connect(button, &QAbstractButton::toggled, this, changed);
}

InputPage::~InputPage() = default;

void InputPage::addDesignButtons(QBoxLayout& layout, const DesignButtons& designs) {
    if (designs.files)
        m_designKind = designs.kind;
    m_defaultsName = nameOf(designs.kind);
    auto* column = new QVBoxLayout;
    layout.addLayout(column);
    struct Button {
        const char* name;
        const char* caption;
        const char* help;
        void (InputPage::*action)();
    };
    const Button buttons[] = {
        {"load", "&Load...", designs.loadHelp, &InputPage::onLoad},
        {"save", "&Save...", designs.saveHelp, &InputPage::onSave},
        {"defaults", designs.defaultsCaption, designs.defaultsHelp, &InputPage::resetToDefaults},
    };
    for (const Button& b : buttons) {
        if (!designs.files && b.action != &InputPage::resetToDefaults)
            continue;
        QPushButton* made = button(b.name, b.caption, b.help, this);
        connect(made, &QPushButton::clicked, this, b.action);
        column->addWidget(made);
    }
    column->addStretch(1);
}

void InputPage::initialiseControls() {
    m_inputs = SimulationInputs{};
    showInputs();
    markClean({});
}

void InputPage::showInputs() {
    m_form->show(m_inputs);
    afterValuesReplaced();
}

bool InputPage::commit() {
    if (const std::optional<Refusal> refused = m_form->read(m_inputs)) {
        refuse(refused->control, refused->message);
        return false;
    }
    return true;
}

QString InputPage::unreadableField() {
    SimulationInputs scratch = m_inputs;
    const std::optional<Refusal> refused = m_form->read(scratch);
    return refused ? refused->control->accessibleName() : QString();
}

QString InputPage::controlState() const {
    QString state;
    for (auto* edit : findChildren<QLineEdit*>())
        state += edit->text() + QChar(0x1f);
    for (auto* edit : findChildren<QPlainTextEdit*>())
        state += edit->toPlainText() + QChar(0x1f);
    for (auto* combo : findChildren<QComboBox*>())
        state += QString::number(combo->currentIndex()) + QChar(0x1f);
    for (auto* button : findChildren<QAbstractButton*>())
        state += button->isChecked() ? QChar('1') : QChar('0');
    return state;
}

void InputPage::markClean(const QString& file) {
    m_designFile = file;
    m_cleanState = controlState();
    emit designStateChanged();
}

bool InputPage::loadDesign(const QString& path) {
    if (!m_designKind)
        return false;
    const std::string bytes = QFile::encodeName(path).toStdString();
    return applyDesign(readDesignFile(*m_designKind, bytes, true), bytes);
}

bool InputPage::applyDesign(const DesignRead& design, const std::string& path) {
    if (!design.ok) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Hydrolofter"),
                        QString::fromStdString(design.error), QMessageBox::Ok, this);
        box.exec();
        return false;
    }
    copyGroup(m_group, design.inputs, m_inputs);
    showInputs();
    markClean(QFile::decodeName(path.c_str()));
    if (!design.notes.empty()) {
        QString text;
        for (const std::string& note : design.notes)
            text += QString::fromStdString(note) + "\n";
        QMessageBox box(QMessageBox::Information, QStringLiteral("Hydrolofter"), text.trimmed(),
                        QMessageBox::Ok, this);
        box.exec();
    }
    return true;
}

SimulationInputs InputPage::shownInputs() const {
    SimulationInputs shown = m_inputs;
    m_form->read(shown, FieldForm::Reading::PassOverRefused);
    return shown;
}

void InputPage::applyInputs(const SimulationInputs& inputs) {
    initialise();
    copyGroup(m_group, inputs, m_inputs);
    showInputs();
    markClean({});
}

bool InputPage::saveDesign(const QString& path) {
    if (!m_designKind || !commit())
        return false;
    const std::string error = writeFileAtomically(QFile::encodeName(path).toStdString(),
                                                  designText(*m_designKind, m_inputs));
    if (!error.empty()) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Hydrolofter"),
                        QStringLiteral("The %1 was not saved: %2.")
                            .arg(nameOf(*m_designKind), QString::fromStdString(error)),
                        QMessageBox::Ok, this);
        box.exec();
        return false;
    }
    markClean(path);
    return true;
}

bool InputPage::mayReplaceChanges(const QString& question) {
    if (!isModified())
        return true;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Hydrolofter"), question,
                    QMessageBox::Yes | QMessageBox::Cancel, this);
    return box.exec() == QMessageBox::Yes;
}

void InputPage::resetToDefaults() {
    if (!mayReplaceChanges(QStringLiteral("Put the defaults in place of the changes to the %1?")
                               .arg(m_defaultsName)))
        return;
    copyGroup(m_group, SimulationInputs{}, m_inputs);
    showInputs();
    emit designStateChanged();
}

void InputPage::onLoad() {
    if (!mayReplaceChanges(QStringLiteral("Load a file in place of the changes to the %1?")
                               .arg(nameOf(*m_designKind))))
        return;
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Load the %1").arg(nameOf(*m_designKind)),
                                     folderFor(m_designFile), filterOf(*m_designKind));
    if (!path.isEmpty())
        loadDesign(path);
}

QString InputPage::askSavePath(QWidget* parent, DesignKind kind, const QString& suggested) {
    QString filter = kindFilter(kind);
    QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("Save the %1").arg(nameOf(kind)),
        suggested.isEmpty() ? QStringLiteral("my") + suffixOf(kind) : suggested, filterOf(kind),
        &filter);
    // Without its suffix the file would not show in the Load dialog's usual filter.
    if (!path.isEmpty() && filter == kindFilter(kind) && !path.endsWith(suffixOf(kind)))
        path += suffixOf(kind);
    return path;
}

void InputPage::onSave() {
    const QString path = askSavePath(
        this, *m_designKind,
        m_designFile.isEmpty() && !lastFolder(FolderKind::Designs).isEmpty()
            ? lastFolder(FolderKind::Designs) + QStringLiteral("/my") + suffixOf(*m_designKind)
            : m_designFile);
    if (!path.isEmpty())
        saveDesign(path);
}

} // namespace hydrolofter
