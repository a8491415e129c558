#pragma once
// The contents of one document type for the current student, with the
// operations every document form offers: empty, write, read, sample texts.
#include "ItemValues.h"

namespace krevol {

class LineSource;
class StudentModel;

class DocumentModel : public ItemValues
{
public:
    explicit DocumentModel(const DocumentDefinition &definition);

    // The student data the derived items are taken from after every read.
    void setStudentSource(const StudentModel *student) { m_student = student; }

    void vFunWyczyscDaneSwiadectwa();
    void vFunZapiszDaneSwiadectwa(QStringList &out) const;
    void vFunWczytajDaneSwiadectwa(LineSource &in);
    void vFunWstawDanePrzykladowe();
    // Sets the items taken from the student data (also done by the read).
    void setDerivedItems();

private:
    bool isCertificate() const { return definition().family == DocumentFamily::Certificate; }
    void setCertificateDerivedItems();
    void setFirstPageDerivedItems();

    const StudentModel *m_student = nullptr;
};

} // namespace krevol
