#pragma once
// The tool bar's twelve 32 × 32 pictures, drawn by the program itself.
#include <QIcon>

namespace krevol {

enum class ToolbarPicture {
    NewFile, OpenFile, Save, AddStudent, EditStudent, DeleteStudent,
    EditDocument, Print, Help, Contact, SchoolTemplate, Import,
};

QIcon toolbarIcon(ToolbarPicture picture);
// The program's own icon (a certificate with a seal).
QIcon programIcon();

} // namespace krevol
