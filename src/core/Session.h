#pragma once
// What the main window owns and the rest of the program reads: the student
// data and the ten documents of the current student, the school data
// template, the flags of the main window, the open data file and the working
// copy's path. The desktop program, the command-line tool and the tests each
// hold one.
#include "documents/DocumentModel.h"
#include "documents/SchoolTemplate.h"
#include "documents/StudentModel.h"
#include "render/CalibrationRecord.h"
#include "render/PageSurfaces.h"

#include <QImage>
#include <QObject>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

namespace krevol {

class PreviewViewport;

class Session : public QObject
{
    Q_OBJECT
public:
    explicit Session(QObject *parent = nullptr);
    ~Session() override;

    StudentModel &student() { return m_student; }
    const StudentModel &student() const { return m_student; }
    // The documents in catalogue order (index 0 to 9).
    DocumentModel &document(int index) { return *m_documents.at(index); }
    const DocumentModel &document(int index) const { return *m_documents.at(index); }
    DocumentModel *documentByForm(const QString &formName);
    int documentCount() const { return int(m_documents.size()); }
    // The school data template; its file is the only lasting state, read again
    // whenever the template is shown or copied into a certificate.
    SchoolTemplate &schoolTemplate() { return m_schoolTemplate; }

    // Empties the student data form and the ten documents in the order given
    // by form names (the store and the commands each have their own order).
    void clearForms(const QStringList &formOrder);

    // Where the store keeps the students of the open file. The desktop program
    // uses the working copy in the working folder; the command-line tool reads
    // a data file in place, so it never touches the user's working copy.
    QString workingCopyPath() const;
    void setWorkingCopyPath(const QString &path) { m_workingCopyPath = path; }

    // The students of the open file in file order, as last listed.
    const QStringList &studentKeys() const { return m_studentKeys; }
    void setStudentKeys(const QStringList &keys);

    QString dataFilePath;             // the open data file ("" for a new, unnamed one)
    bool changed = false;             // asks "Czy chcesz zapisać zmiany ?" before new, open, close
    bool closeWithoutAsking = false;  // closing asks nothing
    bool printing = false;            // emblem and seal are drawn only while set
    bool calibrationEditorOpen = false; // enables the selection highlight
    bool crossOutEmpty = false;       // "Wykreskuj puste pola"

    // Rendering: the current calibration record the parser fills and the
    // drawing helpers read, the two page surfaces, the preview images of
    // "Strona 1" and "Strona 2", the item the calibration editor has selected
    // (it is drawn highlighted while the editor is open) and the preview the
    // highlight scrolls (none when nothing shows it).
    CalibrationRecord calibration;
    PageSurfaces pages;
    std::array<QImage, kPageCount> previewImages;
    QString selectedItemName;
    PreviewViewport *viewport = nullptr;

signals:
    // The student list was read again: the tree is rebuilt from studentKeys().
    void studentListChanged();
    // The pages were painted onto the preview images again.
    void previewImagesChanged();

private:
    StudentModel m_student;
    std::vector<std::unique_ptr<DocumentModel>> m_documents;
    SchoolTemplate m_schoolTemplate;
    QString m_workingCopyPath;
    QStringList m_studentKeys;
};

} // namespace krevol
