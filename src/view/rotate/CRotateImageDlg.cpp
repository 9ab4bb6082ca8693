#include "CRotateImageDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

constexpr int previewSide = 96;

} // namespace

CRotateImageDlg::CRotateImageDlg(QWidget* parent)
    : QDialog(parent)
    , m_pAngle(new QComboBox(this))
    , m_pPreview(new QLabel(this))
{
    setWindowTitle(tr("Rotate Image"));
    for (const int degrees : {0, 90, 180, 270})
        m_pAngle->addItem(QStringLiteral(" %1 ").arg(degrees));
    m_pAngle->setObjectName(QStringLiteral("1157"));
    m_pPreview->setObjectName(QStringLiteral("1156"));
    m_pPreview->setFixedSize(previewSide, previewSide);
    m_pPreview->setFrameShape(QFrame::StyledPanel);
    m_pPreview->setAlignment(Qt::AlignCenter);

    auto* form = new QFormLayout;
    form->addRow(tr("&Angle:"), m_pAngle);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_pPreview, 0, Qt::AlignHCenter);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pAngle, &QComboBox::currentIndexChanged, this, [this] { ShowPreview(); });
    ShowPreview();
}

int CRotateImageDlg::AngleIndex() const
{
    return m_pAngle->currentIndex();
}

void CRotateImageDlg::SetAngleIndex(int index)
{
    m_pAngle->setCurrentIndex(index);
}

void CRotateImageDlg::ShowPreview()
{
    m_pPreview->setPixmap(Preview(AngleIndex(), previewSide - 8));
}

// A landscape picture wider than tall, so that a quarter turn shows.
QPixmap CRotateImageDlg::Preview(int angleIndex, int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(side / 2.0, side / 2.0);
    painter.rotate(90.0 * angleIndex);
    const QRectF photo(-side * 0.45, -side * 0.3, side * 0.9, side * 0.6);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.5));
    painter.setBrush(QColor(0xBF, 0xDF, 0xF7));
    painter.drawRect(photo);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xF2, 0xB7, 0x05));
    painter.drawEllipse(QPointF(photo.right() - side * 0.17, photo.top() + side * 0.14), side * 0.07, side * 0.07);
    QPainterPath hills;
    hills.moveTo(photo.bottomLeft());
    hills.lineTo(photo.left() + photo.width() * 0.35, photo.top() + photo.height() * 0.35);
    hills.lineTo(photo.left() + photo.width() * 0.6, photo.top() + photo.height() * 0.7);
    hills.lineTo(photo.left() + photo.width() * 0.75, photo.top() + photo.height() * 0.5);
    hills.lineTo(photo.bottomRight());
    hills.closeSubpath();
    painter.setBrush(QColor(0x3C, 0x8D, 0x40));
    painter.drawPath(hills);
    return pixmap;
}
