#include "InputPage.h"

#include <QAbstractButton>
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

QString nameOf(DesignKind kind) {
    return QString::fromUtf8(designName(kind).data(), qsizetype(designName(kind).size()));
}

} // namespace

InputPage::InputPage(const DialogTemplate& dialog, FieldGroup group,
                     std::span<const UnitControl> unitControls, QWidget* parent)
    : PropertyPage(dialog, {}, parent), group_(group), unitControls_(unitControls) {
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

void InputPage::onInitDialog() {
    m_inputs = SimulationInputs{};
    fillUnitControls(*this, unitControls_);
    updateData(false);
    afterValuesReplaced();
    markClean({});
}

void InputPage::enableDesigns(DesignKind kind, int loadId, int saveId, int defaultsId) {
    m_designKind = kind;
    for (int id : {loadId, saveId, defaultsId})
        enableControl(id, true);
    connect(control<QPushButton>(loadId), &QPushButton::clicked, this, &InputPage::onLoad);
    connect(control<QPushButton>(saveId), &QPushButton::clicked, this, &InputPage::onSave);
    connect(control<QPushButton>(defaultsId), &QPushButton::clicked, this,
            &InputPage::resetToDefaults);
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
    copyGroup(group_, design.inputs, m_inputs);
    updateData(false);
    afterValuesReplaced();
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

bool InputPage::saveDesign(const QString& path) {
    if (!m_designKind || !updateData(true))
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
                               .arg(nameOf(m_designKind.value_or(DesignKind::Rocket)))))
        return;
    copyGroup(group_, SimulationInputs{}, m_inputs);
    updateData(false);
    afterValuesReplaced();
    emit designStateChanged();
}

void InputPage::onLoad() {
    if (!mayReplaceChanges(QStringLiteral("Load a file in place of the changes to the %1?")
                               .arg(nameOf(*m_designKind))))
        return;
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Load the %1").arg(nameOf(*m_designKind)),
        QFileInfo(m_designFile).absolutePath(), filterOf(*m_designKind));
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
    const QString path = askSavePath(this, *m_designKind, m_designFile);
    if (!path.isEmpty())
        saveDesign(path);
}

} // namespace hydrolofter
