#pragma once
// TFGlowna, the main window: tool bar, status bar with the data file path,
// the student tree and the two preview pages "Strona 1" and "Strona 2".
#include "Session.h"

#include <QMainWindow>

class QCheckBox;
class QLabel;
class QScrollArea;
class QTabWidget;
class QTimer;
class QTreeWidget;

namespace krevol {

class TFGlowna : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFGlowna(QWidget *parent = nullptr);

    Session &session() { return m_session; }

    // The start of the program; false when it must end at once.
    bool vFunInicjalizujProgram();
    // Opens a data file named on the command line (a tail of more than five characters).
    void openFromCommandLine(const QString &tail);

    QTreeWidget *TreeView = nullptr;
    QTabWidget *PageControl = nullptr;
    QScrollArea *ScrollBox1 = nullptr;
    QScrollArea *ScrollBox2 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QCheckBox *WykreskujPusteCheckBox = nullptr;
    QTimer *AktualizacjaTimer = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLayout();
    void setStatusPath(const QString &path);

    Session m_session;
    QLabel *m_statusLabel = nullptr;
};

} // namespace krevol
