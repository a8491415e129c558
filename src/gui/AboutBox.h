#pragma once
// TFOProgramie: the program's name, version and the maker's contact details.
#include <QDialog>

namespace krevol {

class TFOProgramie : public QDialog
{
    Q_OBJECT
public:
    explicit TFOProgramie(QWidget *parent = nullptr);
};

} // namespace krevol
