#pragma once
// TFLogi: shows the program log. What is typed into it is never saved.
#include <QDialog>

class QPlainTextEdit;

namespace krevol {

class TFLogi : public QDialog
{
    Q_OBJECT
public:
    explicit TFLogi(QWidget *parent = nullptr);
    QPlainTextEdit *RichEdit1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
};

} // namespace krevol
