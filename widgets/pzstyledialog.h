#pragma once

#include <QDialog>

// A frameless, translucent dialog that draws its own body: a white rounded
// rectangle inset five pixels with a soft five-ring shadow in the margin.
// The corner radius is the application's "dlgRadius" property, read at every
// paint so that all styled windows share it.
class PZStyleDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PZStyleDialog(QWidget *parent = nullptr);
    ~PZStyleDialog() override;

    // Shadow margin around the body, in pixels.
    static constexpr int ShadowWidth = 5;
    // The application-wide corner radius (0 when unset or not a number).
    static int applicationRadius();

    // Escape closes the dialog (message boxes, side dialogs); the feedback
    // window itself is closed only through its own controls.
    void setClosesOnEscape(bool closes) { m_closesOnEscape = closes; }
    bool closesOnEscape() const { return m_closesOnEscape; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_closesOnEscape = false;
};
