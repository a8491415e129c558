#pragma once
// TFDaneSzkoly: the school data template form. Every showing empties the
// fields and reads "dane_szkoly.set" again, so the file is the only lasting
// state; "Zapisz" writes the file, "Anuluj" leaves it as it was.
#include "editors/EditorFields.h"

#include <QDialog>

class QPushButton;

namespace krevol {

class Session;

class TFDaneSzkoly : public QDialog
{
    Q_OBJECT
public:
    explicit TFDaneSzkoly(Session &session, QWidget *parent = nullptr);

    QWidget *field(const QString &itemName) const { return m_fields.field(itemName); }
    QPushButton *OKButton = nullptr;
    QPushButton *AnulujButton = nullptr;

    void OKButtonClick();
    void AnulujButtonClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();

    Session &m_session;
    EditorFields m_fields;
};

} // namespace krevol
