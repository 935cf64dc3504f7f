#pragma once

#include <QMainWindow>
#include <QUrl>

class QTextBrowser;

namespace parsella {

class Platform;

// The program's own reader for its help and grammar pages, for a desktop that cannot open
// them (no browser installed). It follows the pages' links among themselves and hands any
// other address to the desktop, saying so if that fails too. Not modal: the learner reads
// beside the sentence windows.
class HelpWindow : public QMainWindow
{
    Q_OBJECT
public:
    HelpWindow(Platform &platform, QWidget *parent = nullptr);

    // Shows a local page, at its anchor if the address has one.
    void showPage(const QUrl &page);
    QTextBrowser *browser() const { return view; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void follow(const QUrl &link);

    Platform &platform;
    QTextBrowser *view;
};

// Tells the learner that `address` could not be opened, with the address selectable so it
// can be copied into a browser by hand.
void tellNotOpened(QWidget *parent, const QUrl &address);

} // namespace parsella
