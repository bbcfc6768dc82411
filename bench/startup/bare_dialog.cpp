// The yardstick of the start-up benchmark: a bare frameless Qt dialog of the
// feedback window's size, with Qt's default platform set-up.

#include <QApplication>
#include <QDialog>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowFlags(dialog.windowFlags() | Qt::FramelessWindowHint);
    dialog.setFixedSize(590, 645);
    dialog.show();
    return app.exec();
}
