#pragma once

#include <QDialog>
#include <QImage>

#include <functional>

class QLabel;

namespace holvane::app {

// The publisher's web page, opened by the about box's link.
extern const char *const kPublisherAddress;

// The about box (form AboutBox), "版本说明": title, version, picture,
// developer and contact, and a link to the publisher's web page. Created for
// each showing and shown modally.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    // `openAddress` opens the publisher's page once the box has closed.
    TAboutBox(const QImage &picture, std::function<void(const QString &)> openAddress, QWidget *parent = nullptr);

    // The web link label's click.
    void LinkClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(const QString &)> m_openAddress;
};

} // namespace holvane::app
