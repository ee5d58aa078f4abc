#pragma once

#include <QWidget>

namespace holvane::app {

// Stands in for a calculator window whose issue has not landed yet: the
// window's class name as objectName, its title, and a "关闭" button.
class PlaceholderWindow : public QWidget {
    Q_OBJECT
public:
    PlaceholderWindow(const QString &objectName, const QString &title, QWidget *parent = nullptr);
};

} // namespace holvane::app
