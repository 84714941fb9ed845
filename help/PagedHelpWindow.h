#pragma once

#include "help/HelpPage.h"

#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class QToolButton;

// The behaviour shared by the syntax and defined-functions windows: N page
// pictures at one place, of which one is shown, the arrows SetaE and SetaD
// that turn the pages, "Página k de  N", and "Fechar", after which the next
// opening starts again at page 1.
class PagedHelpWindow : public QWidget {
    Q_OBJECT
public:
    int CurrentPage() const { return currentPage_; }
    int PageCount() const { return static_cast<int>(pages_.size()); }

    // The page pictures' size for a window of the given outer size in twips.
    static QSize PageSize(int widthTwips, int heightTwips);

protected:
    PagedHelpWindow(const QString& name, const QString& caption, int widthTwips, int heightTwips,
                    const std::vector<HelpPage>& pages, QWidget* parent);

    // Closing from the title bar is the same as "Fechar".
    void closeEvent(QCloseEvent* event) override;

private:
    void SetaD_Click();
    void SetaE_Click();
    void Command1_Click();
    // The window as a new one starts: page 1 shown, SetaE disabled.
    void Load();
    void ShowPageNumber();

    std::vector<QLabel*> pages_;
    QToolButton* setaE_;
    QToolButton* setaD_;
    QLabel* label2_;
    QPushButton* command1_;
    qint16 currentPage_ = 1;
};
