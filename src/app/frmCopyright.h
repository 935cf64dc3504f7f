#pragma once

#include "app/HelpDocuments.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace parsella {

class Platform;

// The About box: banner, picture, version, copyright, author and feedback address, and the
// publisher's address as a link that opens the site while the box stays open. A build without
// a web host shows a plain line there that opens nothing. It holds no sentence data; "OK"
// unloads it.
class frmCopyright : public QDialog
{
    Q_OBJECT
public:
    explicit frmCopyright(Platform &platform, QWidget *parent = nullptr, const QString &webHost = parsella::webHost());

    void cmdOK_Click();
    void Label5_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Platform &platform;
    QString site; // the publisher's address; empty in a build without a web host

    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label4;
    QLabel *Label5;
    QPushButton *cmdOK;
};

} // namespace parsella
