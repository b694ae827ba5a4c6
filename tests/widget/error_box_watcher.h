#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <vector>

namespace tcm::test {

// Watches for the application's modal error boxes while it lives, records
// what each one says and dismisses it with OK.
class ErrorBoxWatcher {
public:
    struct Box {
        QString caption;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        bool modal;
    };

    ErrorBoxWatcher()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            boxes.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                             box->windowModality() == Qt::ApplicationModal});
            box->button(QMessageBox::Ok)->click();
        });
        timer_.start();
    }

    // Lets queued work (such as an error posted after a paint) run.
    void settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }

    std::vector<Box> boxes;

private:
    QTimer timer_;
};

}  // namespace tcm::test
