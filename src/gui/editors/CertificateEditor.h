#pragma once
// TFKlasa1, TFKlasa2 and TFKoniec: the editor of a two-page certificate, built
// from the certificate's definition. Both pages of the form are shown with the
// entry fields over their printed places; the fields show the session's
// document when the window is shown, and OK stores the whole student.
#include "EditorFields.h"

#include <QDialog>

class QCheckBox;
class QPushButton;
class QScrollArea;
class QTabWidget;

namespace krevol {

class LinkedScrollAreas;
class Session;
struct DocumentDefinition;

class CertificateEditor : public QDialog
{
    Q_OBJECT
public:
    CertificateEditor(Session &session, const DocumentDefinition &definition, QWidget *parent = nullptr);

    const DocumentDefinition &definition() const { return m_definition; }
    QWidget *field(const QString &itemName) const { return m_fields.field(itemName); }
    const EditorFields &fields() const { return m_fields; }

    QTabWidget *PageControl = nullptr;
    QScrollArea *ScrollBox1 = nullptr;
    QScrollArea *ScrollBox2 = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *LoadSchoolDataButton = nullptr;
    QCheckBox *AutoWordWrapCheckBox = nullptr;

    void OKButtonClick();
    void CancelButtonClick();
    void LoadSchoolDataButtonClick();
    void AutoWordWrapCheckBoxClick();
    // Both pages scroll together by the wheel delta (120 a notch).
    void FormMouseWheel(int wheelDelta);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    QScrollArea *buildPage(int page, const QString &caption, QList<QWidget *> &tabOrder);
    QWidget *buildBottomPanel();
    void addDottedLines();
    void applyWordWrap(bool on);

    Session &m_session;
    const DocumentDefinition &m_definition;
    EditorFields m_fields;
    LinkedScrollAreas *m_scrolling = nullptr;
};

} // namespace krevol
