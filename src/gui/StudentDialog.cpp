#include "StudentDialog.h"

#include "FieldRefusal.h"
#include "Session.h"
#include "TypingLimit.h"
#include "datafile/StudentStore.h"
#include "documents/SuggestionLists.h"
#include "system/FileOps.h"
#include "system/ErrorReport.h"
#include "system/Runtime.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace krevol {
namespace {

constexpr int kRowHeight = 28;
constexpr int kTop = 12;

// An ASCII first letter becomes a capital; any other first character stays.
QString capitalised(const QString &text)
{
    if (text.isEmpty() || text.at(0) < QLatin1Char('a') || text.at(0) > QLatin1Char('z'))
        return text;
    return text.at(0).toUpper() + text.mid(1);
}

} // namespace

TFDaneUcznia::TFDaneUcznia(Session &session, QWidget *parent) : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("TFDaneUcznia"));
    setWindowTitle(QStringLiteral("Dane ucznia"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(411, 323);

    // The fields stand top to bottom in tab order, each with its label on the left.
    QList<const ItemDefinition *> items = session.student().definition().variableItems();
    std::sort(items.begin(), items.end(), [](auto *a, auto *b) { return a->tabOrder < b->tabOrder; });
    QWidget *previous = nullptr;
    for (qsizetype row = 0; row < items.size(); ++row) {
        const ItemDefinition &item = *items[row];
        const int top = kTop + int(row) * kRowHeight;
        auto *label = new QLabel(item.caption, this);
        label->setGeometry(12, top + 3, 160, 17);
        QWidget *widget = nullptr;
        if (item.kind == ItemKind::Edit) {
            auto *edit = new QLineEdit(this);
            setTypingLimit(edit, item.maxLength);
            widget = edit;
        } else {
            auto *combo = new QComboBox(this);
            combo->setEditable(!item.pickOnly);
            combo->addItems(item.suggestions);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setMaxVisibleItems(16);
            widget = combo;
        }
        widget->setObjectName(item.name);
        widget->setGeometry(176, top, 221, 22);
        label->setBuddy(widget);
        m_fields.insert(item.name, widget);
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(230, 288, 80, 25);
    OKButton->setDefault(true);
    AnulujButton = new QPushButton(QStringLiteral("Anuluj"), this);
    AnulujButton->setObjectName(QStringLiteral("AnulujButton"));
    AnulujButton->setGeometry(317, 288, 80, 25);
    setTabOrder(previous, OKButton);
    setTabOrder(OKButton, AnulujButton);
    connect(OKButton, &QPushButton::clicked, this, &TFDaneUcznia::OKButtonClick);
    // "Anuluj" stores nothing: the student data keeps what it held before.
    connect(AnulujButton, &QPushButton::clicked, this, &QDialog::reject);
}

QString TFDaneUcznia::fieldText(const QString &itemName) const
{
    QWidget *widget = field(itemName);
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return combo->currentText();
    return QString();
}

void TFDaneUcznia::setFieldText(const QString &itemName, const QString &text)
{
    QWidget *widget = field(itemName);
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        setWholeText(edit, text); // a stored value longer than the limit stays whole
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentIndex(combo->findText(text));
    }
}

void TFDaneUcznia::showFieldsFromModel()
{
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it)
        setFieldText(it.key(), m_session.student().text(it.key()));
}

void TFDaneUcznia::writeFieldsToModel()
{
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it)
        m_session.student().setText(it.key(), fieldText(it.key()));
}

void TFDaneUcznia::showEvent(QShowEvent *event)
{
    m_session.student().keyWhenShown = m_session.student().composedKey();
    vFunWczytajMiasta();
    vFunWczytajWoj();
    showFieldsFromModel();
    field(student::kSurname)->setFocus();
    QDialog::showEvent(event);
}

void TFDaneUcznia::refillSuggestions(const QString &itemName, const QString &fileName, const QString &function)
{
    QStringList entries;
    if (!readSuggestionList(fileName, function, entries))
        return; // the list keeps its previous entries
    auto *combo = static_cast<QComboBox *>(field(itemName));
    const QString text = combo->currentText();
    combo->clear();
    combo->addItems(entries);
    combo->setEditText(text);
}

void TFDaneUcznia::vFunWczytajMiasta()
{
    refillSuggestions(student::kBirthTown, kTownListFile, QStringLiteral("vFunWczytajMiasta"));
}

void TFDaneUcznia::vFunWczytajWoj()
{
    refillSuggestions(student::kBirthVoivodeship, kVoivodeshipListFile, QStringLiteral("vFunWczytajWoj"));
}

void TFDaneUcznia::refuse(const QString &text, const QString &itemName)
{
    refuseField(field(itemName), text);
}

bool TFDaneUcznia::checkFields()
{
    if (fieldText(student::kSurname).isEmpty()) {
        refuse(QStringLiteral("Nazwisko ucznia jest wymagane"), student::kSurname);
        return false;
    }
    if (fieldText(student::kFirstName).isEmpty()) {
        refuse(QStringLiteral("Imię ucznia jest wymagane"), student::kFirstName);
        return false;
    }
    if (fieldText(student::kGender).isEmpty()) {
        refuse(QStringLiteral("Płeć ucznia jest wymagana"), student::kGender);
        return false;
    }
    if (fieldText(student::kPesel).size() < 11) {
        refuse(QStringLiteral("Brak numeru PESEL lub jego długość jest niewłaściwa"), student::kPesel);
        return false;
    }
    // The data file holds Windows-1250 text only: refuse what it cannot hold
    // rather than store it changed.
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it) {
        const QString refusal = unencodableRefusal(fieldText(it.key()));
        if (!refusal.isEmpty()) {
            refuse(refusal, it.key());
            return false;
        }
    }
    return true;
}

void TFDaneUcznia::OKButtonClick()
{
    if (!checkFields())
        return;
    setFieldText(student::kFirstName, capitalised(fieldText(student::kFirstName)));
    setFieldText(student::kSurname, capitalised(fieldText(student::kSurname)));
    StudentModel &data = m_session.student();
    const QString key = fieldText(student::kSurname) + QLatin1Char(' ') + fieldText(student::kFirstName);
    StudentStore store(m_session);
    const bool renamed = asciiUpper(key) != asciiUpper(data.keyWhenShown);
    if (data.editMode ? renamed && store.bFunSprawdzCzyInstnieje(key) : store.bFunSprawdzCzyInstnieje(key)) {
        const MessageAnswer answer = runtime::prompter().message(
            QStringLiteral("Uczeń \"") + key + QStringLiteral("\" już istnieje.\n")
                + QStringLiteral("Czy chcesz zastąpić istniejącego ucznia ?\n\nUwaga wszystkie dane zostaną nadpisane."),
            QStringLiteral("Edycja"), MessageIcon::Warning, MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes)
            return;
        writeFieldsToModel();
        data.currentKey = key;
        // Renamed onto another student: that student's block goes, then this one is rewritten.
        if (data.editMode && !store.bFunUsunUcznia(key))
            return;
        store.vFunZastapUcznia(data.editMode ? data.keyWhenShown : key);
        accept();
        return;
    }
    writeFieldsToModel();
    data.currentKey = key;
    if (data.editMode) {
        store.vFunZastapUcznia(data.keyWhenShown);
        accept();
        return;
    }
    if (!store.bFunDopiszUcznia(key))
        reportError(QStringLiteral("Funkcja: OKButtonClick()\n\nBłąd podczas próby zapisu danych ucznia\nKod błędu: ")
                    + QString::number(lastSystemErrorCode()));
    if (!store.bFunWczytajListeUczniow())
        emit studentListUnreadable();
    accept();
}

} // namespace krevol
