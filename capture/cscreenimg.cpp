#include "cscreenimg.h"

#include "appfolder.h"
#include "displayscaling.h"
#include "screenshotwriter.h"
#include "selectionrect.h"
#include "skinconfig.h"

#include <QClipboard>
#include <QCursor>
#include <QDebug>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolButton>
#include <QWindow>

#include <array>

namespace {

const QColor FrameColour(0, 174, 255);
constexpr double FramePenWidth = 2.0;
constexpr double CrosshairPenWidth = 3.0;
constexpr int ToolButtonSize = 30;
constexpr int MagnifierBox = 100;

QFont overlayFont()
{
    QFont font(QStringLiteral("Microsoft YaHei"));
    font.setPixelSize(10);
    return font;
}

// Lookup table for the dimming: int(c * 0.6) for every channel value, computed
// with the same expression as a per-pixel loop so the results are identical.
std::array<uchar, 256> dimTable()
{
    std::array<uchar, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[static_cast<size_t>(c)] = static_cast<uchar>(static_cast<int>(c * 0.6));
    return table;
}

} // namespace

CScreenImg::CScreenImg(QWidget *parent)
    : QWidget(parent)
{
    setUp(nullptr);
}

CScreenImg::CScreenImg(const QPixmap &screen, QWidget *parent)
    : QWidget(parent)
{
    setUp(&screen);
}

CScreenImg::~CScreenImg() = default;

void CScreenImg::setUp(const QPixmap *givenScreen)
{
    m_scaleSource = [] { return screenScale(); };
    m_noSelection = true;
    m_magnifierOn = true;
    m_cursorPos = QCursor::pos();

    if (givenScreen) {
        m_screenImage = *givenScreen;
        installScreen();
    } else {
        grabScreen();
    }

    m_selection = std::make_unique<SelectionRect>(m_screenWidth - 1, m_screenHeight - 1,
                                                  m_cursorPos.x(), m_cursorPos.y());
    m_selection->setFilter([this](QPoint &point) { clampEnd(point); });
    const QPoint start = QCursor::pos();
    m_selection->setStart(start.x(), start.y());

    createToolButtons();
}

void CScreenImg::grabScreen()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (const QWindow *window = windowHandle())
        screen = window->screen();
    if (!screen)
        return;
    m_screenImage = toLogicalSize(screen->grabWindow(0), screenScale());
    installScreen();
}

void CScreenImg::installScreen()
{
    m_screenWidth = m_screenImage.width();
    m_screenHeight = m_screenImage.height();
    m_dimmedImage = dimmed(m_screenImage.toImage());

    // The undimmed picture goes in first so the window never flashes an empty
    // background while it is being shown; the dimmed one replaces it at once.
    m_palette.setBrush(QPalette::Window, QBrush(m_screenImage));
    setAutoFillBackground(true);
    setPalette(m_palette);
    // Full-screen state is a request to the window manager; the geometry set
    // first makes the overlay cover the screen where none is running.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    showFullScreen();
    setMouseTracking(true);
    m_palette.setBrush(QPalette::Window, QBrush(m_dimmedImage));
    setAutoFillBackground(true);
    setPalette(m_palette);
}

QImage CScreenImg::dimmed(const QImage &source)
{
    if (source.isNull())
        return QImage();
    // RGB32 and ARGB32 keep the plain channel values in the same layout;
    // anything else (premultiplied, 16-bit, indexed) is brought to ARGB32.
    QImage input = source;
    if (input.format() != QImage::Format_RGB32 && input.format() != QImage::Format_ARGB32)
        input = input.convertToFormat(QImage::Format_ARGB32);

    static const std::array<uchar, 256> table = dimTable();
    QImage output(input.size(), QImage::Format_RGB32);
    const int width = input.width();
    for (int y = 0; y < input.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(input.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(output.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb p = in[x];
            out[x] = 0xff000000u | (uint(table[qRed(p)]) << 16) | (uint(table[qGreen(p)]) << 8)
                | uint(table[qBlue(p)]);
        }
    }
    return output;
}

QPixmap CScreenImg::toLogicalSize(const QPixmap &grab, double scale)
{
    if (grab.isNull() || !(scale - 1.0 > 0.001))
        return grab;
    const int width = static_cast<int>(grab.width() / scale);
    const int height = static_cast<int>(grab.height() / scale);
    return grab.scaled(width, height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void CScreenImg::setScaleSource(std::function<double()> source)
{
    if (source)
        m_scaleSource = std::move(source);
}

void CScreenImg::clampEnd(QPoint &point) const
{
    if (m_screenImage.isNull())
        return;
    if (point.x() > m_screenWidth)
        point.setX(m_screenWidth);
    if (point.y() > m_screenHeight)
        point.setY(m_screenHeight);
}

void CScreenImg::createToolButtons()
{
    const QString buttonDir = SkinConfig::instance().skinDirectory() + QStringLiteral("/button");
    auto makeButton = [this](const QString &iconPath) {
        auto *button = new QToolButton(this);
        button->setWindowFlags(button->windowFlags() | Qt::FramelessWindowHint);
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setIcon(QIcon(iconPath));
        button->setIconSize(QSize(ToolButtonSize, ToolButtonSize));
        button->resize(ToolButtonSize, ToolButtonSize);
        button->hide();
        return button;
    };
    m_saveButton = makeButton(buttonDir + QStringLiteral("/selected.png"));
    m_cancelButton = makeButton(buttonDir + QStringLiteral("/delete.png"));
    m_saveButton->setAccessibleName(tr("Save the selection"));
    m_cancelButton->setAccessibleName(tr("Cancel"));
    connect(m_saveButton, &QToolButton::clicked, this, &CScreenImg::SlotSaveInClipboard);
    connect(m_cancelButton, &QToolButton::clicked, this, &CScreenImg::SlotCancle);
}

namespace {
Qt::CursorShape cursorForHit(int hit)
{
    switch (hit) {
    case SelectionRect::RightEdge:
    case SelectionRect::LeftEdge:
        return Qt::SizeHorCursor;
    case SelectionRect::BottomEdge:
    case SelectionRect::TopEdge:
        return Qt::SizeVerCursor;
    case SelectionRect::BottomRightCorner:
    case SelectionRect::TopLeftCorner:
        return Qt::SizeFDiagCursor;
    default:
        return Qt::SizeBDiagCursor;
    }
}
} // namespace

void CScreenImg::beginResize(int hit, const QPoint &pos)
{
    const SelectionRect &s = *m_selection;
    QPoint start;
    switch (hit) {
    case SelectionRect::RightEdge:
        start = s.topLeft();
        m_dragReference = s.bottomRight();
        break;
    case SelectionRect::LeftEdge:
        start = s.topRight();
        m_dragReference = s.bottomLeft();
        break;
    case SelectionRect::BottomEdge:
        start = s.topLeft();
        m_dragReference = s.bottomRight();
        break;
    case SelectionRect::TopEdge:
        start = s.bottomLeft();
        m_dragReference = s.topRight();
        break;
    case SelectionRect::BottomRightCorner:
        start = QPoint(pos.x() - s.width(), pos.y() - s.height());
        m_dragReference = start;
        break;
    case SelectionRect::TopRightCorner:
        start = QPoint(pos.x() - s.width(), pos.y() + s.height());
        m_dragReference = start;
        break;
    case SelectionRect::BottomLeftCorner:
        start = QPoint(pos.x() + s.width(), pos.y() - s.height());
        m_dragReference = start;
        break;
    default:
        start = QPoint(pos.x() + s.width(), pos.y() + s.height());
        m_dragReference = start;
        break;
    }
    setCursor(cursorForHit(hit));
    m_selection->setStart(start.x(), start.y());
    m_dragMode = hit;
}

void CScreenImg::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->pos();
    if (m_noSelection) {
        m_noSelection = false;
        m_selecting = true;
    }
    if (m_selecting)
        m_selection->setStart(pos.x(), pos.y());
    if (m_selected) {
        if (m_selection->isInside(pos.x(), pos.y())) {
            setCursor(Qt::SizeAllCursor);
            m_dragMode = MovingMode;
            m_dragReference = pos;
        } else if (m_selection->isOnBorder(pos.x(), pos.y())) {
            beginResize(m_selection->hitCode(pos.x(), pos.y()), pos);
        } else {
            setCursor(Qt::ArrowCursor);
            m_dragMode = IdleMode;
        }
    }
}

void CScreenImg::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->pos();
    if (m_selecting && (event->buttons() & Qt::LeftButton))
        m_selection->setEnd(pos.x(), pos.y());
    if (m_magnifierOn) {
        m_selection->setCursorPoint(pos.x(), pos.y());
        m_cursorPos = pos;
    }
    if (m_selected) {
        if (m_selection->isInside(pos.x(), pos.y()))
            setCursor(Qt::SizeAllCursor);
        else if (m_selection->isOnBorder(pos.x(), pos.y()))
            setCursor(cursorForHit(m_selection->hitCode(pos.x(), pos.y())));
        else
            setCursor(Qt::ArrowCursor);

        switch (m_dragMode) {
        case SelectionRect::RightEdge:
        case SelectionRect::LeftEdge:
            m_dragReference.setX(pos.x());
            m_selection->setEnd(pos.x(), m_dragReference.y());
            setCursor(Qt::SizeHorCursor);
            break;
        case SelectionRect::BottomEdge:
        case SelectionRect::TopEdge:
            m_dragReference.setY(pos.y());
            m_selection->setEnd(m_dragReference.x(), pos.y());
            setCursor(Qt::SizeVerCursor);
            break;
        case SelectionRect::BottomRightCorner:
        case SelectionRect::TopLeftCorner:
            m_selection->setEnd(pos.x(), pos.y());
            setCursor(Qt::SizeFDiagCursor);
            break;
        case SelectionRect::TopRightCorner:
        case SelectionRect::BottomLeftCorner:
            m_selection->setEnd(pos.x(), pos.y());
            setCursor(Qt::SizeBDiagCursor);
            break;
        case MovingMode: {
            const QPoint delta = pos - m_dragReference;
            m_selection->moveBy(delta.x(), delta.y());
            m_dragReference = pos;
            break;
        }
        default:
            break;
        }
    }
    update();
}

void CScreenImg::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // A release whose press never reached the overlay (the button was held
    // while it opened) would complete a selection that has no rectangle.
    if (m_noSelection)
        return;
    m_magnifierOn = false;
    if (m_selecting) {
        m_selection->setEnd(event->pos().x(), event->pos().y());
        m_selecting = false;
    }
    m_selected = true;
    m_dragMode = IdleMode;
    update();
}

void CScreenImg::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        SlotCancle();
        return;
    }
    // Enter keeps a finished selection, as its save button does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_selected) {
        SlotSaveInClipboard();
        return;
    }
    int dx = 0;
    int dy = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (m_selected && m_selection->nudge(dx, dy))
        update();
}

QPixmap CScreenImg::screenPixels(const QRect &area) const
{
    // QPixmap::copy() of an empty rectangle would copy the whole picture.
    const QRect visible = area.intersected(m_screenImage.rect());
    if (visible.isEmpty())
        return QPixmap();
    return m_screenImage.copy(visible);
}

QPixmap CScreenImg::selectedPicture() const
{
    if (!m_selected)
        return QPixmap();
    return screenPixels(m_selection->rect());
}

void CScreenImg::paintEvent(QPaintEvent *)
{
    const double scale = m_scaleSource();
    if (m_selecting)
        drawSelection(m_selectionPicture);
    if (m_magnifierOn)
        drawMagnifier(scale);
    if (m_selected) {
        drawSelection(m_savedRegion);
        placeToolButtons();
    }
}

void CScreenImg::drawSelection(QPixmap &store)
{
    QPainter painter(this);
    const SelectionRect &s = *m_selection;
    const QRect rect = s.rect();
    m_paintedRect = rect;

    store = screenPixels(rect);
    if (!store.isNull())
        painter.drawPixmap(rect.intersected(m_screenImage.rect()).topLeft(), store);

    painter.setPen(QPen(FrameColour, FramePenWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect);

    painter.setBrush(FrameColour);
    auto handle = [&painter](int left, int top) {
        painter.drawRect(QRect(QPoint(left, top), QPoint(left + 2, top + 2)));
    };
    handle(s.rightMiddle().x(), s.rightMiddle().y());
    handle(s.leftMiddle().x() - 3, s.leftMiddle().y());
    handle(s.bottomMiddle().x(), s.bottomMiddle().y());
    handle(s.topMiddle().x(), s.topMiddle().y() - 3);
    handle(s.bottomRight().x(), s.bottomRight().y());
    handle(s.topRight().x(), s.topRight().y() - 3);
    handle(s.bottomLeft().x() - 3, s.bottomLeft().y());
    handle(s.topLeft().x() - 3, s.topLeft().y() - 3);

    drawSizeLabel(painter, m_scaleSource());
}

void CScreenImg::drawSizeLabel(QPainter &painter, double scale)
{
    const SelectionRect &s = *m_selection;
    painter.setPen(QPen(QColor(0, 0, 0, 150), 2));
    painter.setBrush(QColor(0, 0, 0, 200));
    painter.drawRect(s.labelBox());
    m_labelTextRect = s.labelTextRect();
    painter.setPen(Qt::white);
    painter.setFont(overlayFont());
    painter.drawText(m_labelTextRect, Qt::AlignCenter, s.sizeText(scale));
}

void CScreenImg::drawMagnifier(double scale)
{
    QPainter painter(this);
    const SelectionRect &s = *m_selection;
    const int x = m_cursorPos.x();
    const int y = m_cursorPos.y();

    m_magnifierSource = QRect(QPoint(x - 10, y - 10), QPoint(x + 9, y + 9));
    m_magnifierPicture = screenPixels(m_magnifierSource);

    const QPoint origin = s.magnifierOrigin();
    const int bx = origin.x();
    const int by = origin.y();
    if (!m_magnifierPicture.isNull())
        painter.drawPixmap(QRect(bx, by, MagnifierBox, MagnifierBox), m_magnifierPicture);

    painter.setPen(QPen(FrameColour, CrosshairPenWidth));
    painter.drawLine(bx + 50, by + 5, bx + 50, by + 95);
    painter.drawLine(bx + 5, by + 50, bx + 95, by + 50);

    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(bx, by), QPoint(bx + 99, by + 99)));
    painter.setBrush(QColor(0, 0, 0, 200));
    painter.drawRect(QRect(QPoint(bx, by + 100), QPoint(bx + 99, by + 129)));

    // The readout shows the dimmed background's value under the cursor.
    QRgb colour = 0;
    if (m_dimmedImage.valid(x, y))
        colour = m_dimmedImage.pixel(x, y);
    m_magnifierSizeRect = QRect(QPoint(bx, by + 100), QPoint(bx + 99, by + 114));
    m_magnifierColourRect = QRect(QPoint(bx, by + 115), QPoint(bx + 99, by + 129));
    painter.setPen(Qt::white);
    painter.setFont(overlayFont());
    m_magnifierColourText = QStringLiteral("RGB(%1,%2,%3)").arg(qRed(colour)).arg(qGreen(colour)).arg(qBlue(colour));
    painter.drawText(m_magnifierSizeRect, Qt::AlignCenter, s.sizeText(scale));
    painter.drawText(m_magnifierColourRect, Qt::AlignCenter, m_magnifierColourText);
}

void CScreenImg::placeToolButtons()
{
    const QRect cancelRect = m_selection->cancelButtonRect();
    const QRect saveRect = m_selection->saveButtonRect();
    if (m_cancelButton->geometry() != cancelRect)
        m_cancelButton->setGeometry(cancelRect);
    if (m_saveButton->geometry() != saveRect)
        m_saveButton->setGeometry(saveRect);
    if (m_cancelButton->isHidden())
        m_cancelButton->show();
    if (m_saveButton->isHidden())
        m_saveButton->show();
}

void CScreenImg::SlotSaveInClipboard()
{
    if (m_finished || !m_selected) {
        // Nothing to save (the buttons only appear once a selection exists):
        // report it as a cancel rather than a path to a file never written.
        SlotCancle();
        return;
    }
    const QString path = ScreenshotWriter::newPath(AppFolder::ofProgram().screenshots());
    m_savedRegion = selectedPicture();
    // The folder is the feedback window's; a failed save still hands the path
    // back and the clipboard still receives the picture. The report packs
    // every file of that folder, so the picture goes to a temporary name and
    // is renamed only when complete.
    ScreenshotWriter::write(m_savedRegion.toImage(), path);
    qDebug() << path;
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setPixmap(m_savedRegion, QClipboard::Clipboard);
    finish(path);
}

void CScreenImg::SlotCancle()
{
    finish(QString());
}

void CScreenImg::finish(const QString &path)
{
    // One outcome per overlay: a second request (Escape right after a save,
    // a double click on a button) only closes.
    if (!m_finished) {
        m_finished = true;
        emit SignalSaveFinished(path);
    }
    close();
}

void CScreenImg::closeEvent(QCloseEvent *event)
{
    // Closed by the window system (not by save or cancel): the owner hid its
    // window and waits for an outcome, so report a cancel.
    if (!m_finished) {
        m_finished = true;
        emit SignalSaveFinished(QString());
    }
    QWidget::closeEvent(event);
}
