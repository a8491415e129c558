#pragma once
// TFGlowna, the main window: the student tree with each student's documents,
// the two preview pages "Strona 1" and "Strona 2", and every command.
#include "Session.h"

#include <QHash>
#include <QMainWindow>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QScrollArea;
class QTabWidget;
class QTimer;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace krevol {

class CertificateEditor;
class LinkedScrollAreas;
class PreviewPanel;
class TFDaneSzkoly;
class TFDaneUcznia;
class TFLogi;
class TFOProgramie;
struct DocumentDefinition;

class TFGlowna : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFGlowna(QWidget *parent = nullptr);
    ~TFGlowna() override;

    Session &session() { return m_session; }
    TFDaneUcznia *studentForm() { return m_studentForm; }

    // The start of the program; false when it must end at once.
    bool vFunInicjalizujProgram();
    // Opens a data file named on the command line (a tail of more than five characters).
    void openFromCommandLine(const QString &tail);

    enum class Selected { Student, Document };
    QString strFunWybranyElement(Selected which) const;
    void vFunZbudujDrzewo(const QStringList &keysInFileOrder);
    void vFunUstawMenuDrzewa();
    void vFunNowyPlik();
    QString statusText() const;

    // Controls other code and the tests reach by their names.
    QTreeWidget *TreeView = nullptr;
    QTabWidget *PageControl = nullptr;
    QScrollArea *ScrollBox1 = nullptr;
    QScrollArea *ScrollBox2 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QCheckBox *WykreskujPusteCheckBox = nullptr;
    QTimer *AktualizacjaTimer = nullptr;
    QMenu *TreeViewPopupMenu = nullptr;
    QAction *Edytujdaneucznia1 = nullptr;
    QAction *Usudaneucznia1 = nullptr;
    QAction *Edytujdokument1 = nullptr;
    QAction *Drukujwybranewiadectwo2 = nullptr;

public slots:
    void NowyPlikToolButtonClick();
    void OtworzPlikToolButtonClick();
    void Zapisz1Click();
    void Zapiszjako1Click();
    void Szablondanychszkoy1Click();
    void Koniec1Click();
    void DodajUczniaToolButtonClick();
    void EdytujDaneUczniaToolButtonClick();
    void UsunUczniaToolButtonClick();
    void EdytujSwiadectwoToolButtonClick();
    void DrukujToolButtonClick();
    void Formatowaniewiadectwapodstawowe1Click();
    void Ustawieniaczcionki1Click();
    void ToolButton14Click();
    void Logiprogramu1Click();
    void Oprogramie1Click();
    void Instrukcjaobsugi1Click();
    void KontaktButtonClick();
    void KronikaWebowa1Click();
    void Sprawdczyjestnowawersja1Click();
    void AktualizacjaTimerTimer();
    void WykreskujPusteCheckBoxClick();
    void TreeViewClick();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildToolBar();
    void buildMenus();
    void buildCentralArea();
    void setStatusPath(const QString &path);
    void selectEntry(const QString &key, const QString &caption);
    void formatting(bool advanced);

    // What the later windows plug into: each does nothing until its window exists.
    void renderPreview(const DocumentDefinition &document);
    void showDocumentEditor(const DocumentDefinition &document);
    void showSchoolTemplate();
    void showPrintDialog(const DocumentDefinition &document);
    void showCalibrationEditor(bool advanced);
    void showImportDialog();
    void showUpdateForm();
    void startUpdateCheck(bool manual);

    Session m_session;
    QLabel *m_statusLabel = nullptr;
    TFDaneUcznia *m_studentForm = nullptr;
    TFLogi *m_logViewer = nullptr;
    TFOProgramie *m_aboutBox = nullptr;
    QString m_selectedKey;     // the entry selected when a document editor was opened
    QString m_selectedCaption;
    bool m_buildingTree = false;
    LinkedScrollAreas *m_previewScrolling = nullptr;
    std::unique_ptr<PreviewPanel> m_previewPanel;
    void showPreviewImages();
    QHash<QString, CertificateEditor *> m_certificateEditors; // by form name, made when first shown
    TFDaneSzkoly *m_schoolTemplateForm = nullptr;
};

} // namespace krevol
