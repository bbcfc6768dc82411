#include "cpictureeditor.h"

#include "picturethumbnail.h"
#include "pzstylebutton.h"
#include "pzstylewidgettitle.h"

#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <QtMath>

#include <functional>

namespace {

// Room the picture may take on screen; larger pictures are shown scaled down.
const QSize CanvasBox(880, 540);
// Room for the captions in every language ("Rückgängig" is the widest).
const QSize EditorButtonSize(120, 32);

} // namespace

// The picture on screen with its black areas; a drag adds one. Positions are
// mapped to the picture's own pixels, rounded outwards, so the black in the
// file covers at least what the user saw covered.
class PictureCanvas : public QWidget
{
public:
    PictureCanvas(const QImage &picture, HiddenAreas &areas, QWidget *parent)
        : QWidget(parent), m_areas(areas)
    {
        setObjectName(QStringLiteral("widget_PictureCanvas"));
        setCursor(Qt::CrossCursor);
        const QSize shown = picture.size().scaled(CanvasBox.boundedTo(picture.size()), Qt::KeepAspectRatio)
                                .expandedTo(QSize(1, 1));
        m_scale = double(shown.width()) / picture.width();
        m_shown = QPixmap::fromImage(picture.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        setFixedSize(shown);
    }

    std::function<void()> changed;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_shown);
        for (const QRect &area : m_areas.areas())
            painter.fillRect(onScreen(area), Qt::black);
        if (m_dragging) {
            painter.setPen(QPen(QColor(0x1f, 0x7a, 0xe0), 1, Qt::DashLine));
            painter.setBrush(QColor(0, 0, 0, 110));
            painter.drawRect(QRectF(m_from, m_to).normalized());
        }
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        m_dragging = true;
        m_from = m_to = event->localPos();
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (!m_dragging)
            return;
        m_to = event->localPos();
        update();
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (!m_dragging || event->button() != Qt::LeftButton)
            return;
        m_dragging = false;
        m_to = event->localPos();
        const QRectF drawn = QRectF(m_from, m_to).normalized();
        const int left = qFloor(drawn.left() / m_scale);
        const int top = qFloor(drawn.top() / m_scale);
        const int right = qCeil(drawn.right() / m_scale);
        const int bottom = qCeil(drawn.bottom() / m_scale);
        m_areas.add(QRect(left, top, right - left, bottom - top));
        update();
        if (changed)
            changed();
    }

private:
    QRectF onScreen(const QRect &area) const
    {
        return QRectF(area.x() * m_scale, area.y() * m_scale, area.width() * m_scale, area.height() * m_scale);
    }

    HiddenAreas &m_areas;
    QPixmap m_shown;
    double m_scale = 1.0;
    bool m_dragging = false;
    QPointF m_from;
    QPointF m_to;
};

CPictureEditor::CPictureEditor(const QString &source, const QString &target, QWidget *parent)
    : PZStyleDialog(parent), m_target(target)
{
    // By its contents: a picture from disk may carry the wrong suffix.
    QImageReader reader(source);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (PictureThumbnail::isAcceptable(size, qint64(size.width()) * size.height() * 4))
        m_picture = reader.read();
    m_areas = HiddenAreas(m_picture.size());
    setupUi();
}

CPictureEditor::~CPictureEditor() = default;

void CPictureEditor::setupUi()
{
    setObjectName(QStringLiteral("CPictureEditor"));
    setWindowTitle(tr("Hide parts of the picture"));

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(ShadowWidth, ShadowWidth, ShadowWidth, ShadowWidth);
    root->setSpacing(0);
    auto *title = new PZStyleWidgetTitle(this);
    title->setFixedHeight(35);
    title->setMovable(this, true);
    title->setTitleText(tr("Hide parts of the picture"));
    root->addWidget(title);

    auto *body = new QWidget(this);
    body->setObjectName(QStringLiteral("widget_EditorBody"));
    root->addWidget(body, 1);
    auto *column = new QVBoxLayout(body);
    column->setContentsMargins(24, 12, 24, 16);
    column->setSpacing(10);

    auto *hint = new QLabel(body);
    hint->setObjectName(QStringLiteral("label_EditorHint"));
    hint->setWordWrap(true);
    column->addWidget(hint);
    if (isLoaded()) {
        hint->setText(tr("Drag over what should not be sent. It is blacked out in the picture that is sent."));
        m_canvas = new PictureCanvas(m_picture, m_areas, body);
        m_canvas->changed = [this] { updateButtons(); };
        m_canvas->setAccessibleName(tr("Picture"));
        m_canvas->setAccessibleDescription(hint->text());
        column->addWidget(m_canvas, 0, Qt::AlignCenter);
    } else {
        hint->setText(tr("This picture cannot be edited."));
    }

    auto *buttons = new QHBoxLayout();
    m_undo = new PZStyleButton(body);
    m_undo->setObjectName(QStringLiteral("pushButton_EditorUndo"));
    m_undo->setText(tr("Undo"));
    m_undo->setFixedSize(EditorButtonSize);
    buttons->addWidget(m_undo);
    m_error = new QLabel(body);
    m_error->setObjectName(QStringLiteral("label_EditorError"));
    buttons->addWidget(m_error, 1);
    auto *cancel = new PZStyleButton(body);
    cancel->setObjectName(QStringLiteral("pushButton_EditorCancel"));
    cancel->setText(tr("Cancel"));
    cancel->setFixedSize(EditorButtonSize);
    buttons->addWidget(cancel);
    auto *done = new PZStyleButton(body);
    done->setObjectName(QStringLiteral("pushButton_EditorDone"));
    done->setText(tr("Done"));
    done->setFixedSize(EditorButtonSize);
    done->setEnabled(isLoaded());
    buttons->addWidget(done);
    column->addLayout(buttons);

    connect(m_undo, &QPushButton::clicked, this, [this] {
        m_areas.undo();
        m_canvas->update();
        updateButtons();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(done, &QPushButton::clicked, this, &CPictureEditor::finish);
    updateButtons();
    adjustSize();
    // Escape leaves as Cancel does; Enter or Space take the focused button.
    setClosesOnEscape(true);
    (isLoaded() ? done : cancel)->setFocus();
}

void CPictureEditor::updateButtons()
{
    m_undo->setEnabled(!m_areas.isEmpty());
}

void CPictureEditor::finish()
{
    // Nothing hidden: the file stays as it is.
    if (m_areas.isEmpty() || m_areas.save(m_picture, m_target)) {
        accept();
        return;
    }
    m_error->setText(tr("The picture could not be saved."));
}
