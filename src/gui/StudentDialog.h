#pragma once
// TFDaneUcznia: adding a new student or editing the selected one's personal
// data. The fields show the session's student data and write it back on OK.
#include <QDialog>
#include <QHash>

class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace krevol {

class Session;

class TFDaneUcznia : public QDialog
{
    Q_OBJECT
public:
    explicit TFDaneUcznia(Session &session, QWidget *parent = nullptr);

    // The field of an item, by the item's name.
    QWidget *field(const QString &itemName) const { return m_fields.value(itemName); }
    QPushButton *OKButton = nullptr;
    QPushButton *AnulujButton = nullptr;

    void vFunWczytajMiasta();
    void vFunWczytajWoj();

signals:
    // Listing the students after a store failed: the open file's name is cleared.
    void studentListUnreadable();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void OKButtonClick();
    bool checkFields();
    void showFieldsFromModel();
    void writeFieldsToModel();
    QString fieldText(const QString &itemName) const;
    void setFieldText(const QString &itemName, const QString &text);
    void refuse(const QString &text, const QString &itemName);
    void refillSuggestions(const QString &itemName, const QString &fileName, const QString &function);

    Session &m_session;
    QHash<QString, QWidget *> m_fields;
};

} // namespace krevol
