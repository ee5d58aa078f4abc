#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace holvane::app {

// The width of the message window for a text: 200 pixels up to 200 GBK
// bytes, beyond that the byte length + 30.
int messageWindowWidth(const QString &text);

// The message window (form frmmsg): one line of text and "确  定". Created at
// start-up and reused for the whole run through ShowMessageWindow.
class Tfrmmsg : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmmsg(QWidget *parent = nullptr);

    // Lays the text out (prepare) and shows the window modally.
    Q_INVOKABLE void ShowMessageWindow(const QString &text);
    // Puts the text in Label1, sizes the window for it and centres the label
    // and the button.
    void prepare(const QString &text);

private:
    QLabel *Label1;
    QPushButton *Button1;
};

} // namespace holvane::app
