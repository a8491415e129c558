#include "Session.h"

#include "system/Folders.h"

namespace krevol {

Session::Session(QObject *parent) : QObject(parent)
{
    for (const DocumentDefinition &definition : documentCatalogue()) {
        m_documents.push_back(std::make_unique<DocumentModel>(definition));
        m_documents.back()->setStudentSource(&m_student);
    }
}

Session::~Session() = default;

DocumentModel *Session::documentByForm(const QString &formName)
{
    for (auto &document : m_documents)
        if (document->definition().formName == formName)
            return document.get();
    return nullptr;
}

void Session::clearForms(const QStringList &formOrder)
{
    for (const QString &form : formOrder) {
        if (form == QLatin1String("TFDaneUcznia"))
            m_student.vFunWyczyscDaneUcznia();
        else if (DocumentModel *document = documentByForm(form))
            document->vFunWyczyscDaneSwiadectwa();
    }
}

QString Session::workingCopyPath() const
{
    return m_workingCopyPath.isEmpty() ? strFunSciezkaKopiiRoboczej() : m_workingCopyPath;
}

void Session::setStudentKeys(const QStringList &keys)
{
    m_studentKeys = keys;
    emit studentListChanged();
}

} // namespace krevol
