#include "qt/controls.h"

#include "core/form1_layout.h"
#include "qt/byte_limit.h"
#include "qt/click_label.h"
#include "qt/file_list_box.h"

#include <QFont>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <vector>

namespace varnix {
namespace {

constexpr int pixels(int twips)
{
    return twips / kTwipsPerPixel;
}

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The client area paints its picture at natural size; what lies beyond the
// client area's edges is cut off.
class BackgroundArea final : public QWidget {
public:
    explicit BackgroundArea(QWidget* parent) : QWidget(parent), m_picture(QStringLiteral(":/artwork/background.png"))
    {
        setObjectName(QStringLiteral("clientArea"));
        setFixedSize(pixels(kClientWidthTwips), pixels(kClientHeightTwips));
        setAutoFillBackground(true);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, Qt::black);
        setPalette(palette);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_picture);
    }

private:
    QPixmap m_picture;
};

void applyColours(QWidget* widget, const ControlSpec& spec)
{
    if (!spec.background && !spec.foreground)
        return;
    QPalette palette = widget->palette();
    const bool isList = spec.kind == ControlKind::FileList || spec.kind == ControlKind::DirectoryList;
    palette.setColor(isList ? QPalette::Base : QPalette::Window, QColor(QRgb(spec.background.value_or(0))));
    palette.setColor(isList ? QPalette::Text : QPalette::WindowText, QColor(QRgb(spec.foreground.value_or(0))));
    widget->setPalette(palette);
    widget->setAutoFillBackground(!isList);
    // Buttons fill with the Button role; an option button's face is the window's.
    if (spec.kind == ControlKind::OptionButton)
        widget->setBackgroundRole(QPalette::Window);
}

QWidget* createControl(const ControlSpec& spec, QWidget* client)
{
    QWidget* widget = nullptr;
    switch (spec.kind) {
    case ControlKind::PushButton:
        widget = new QPushButton(latin1(spec.text), client);
        break;
    case ControlKind::DirectoryList:
        widget = new DirListBox(client);
        break;
    case ControlKind::OptionButton:
        widget = new QRadioButton(client);
        break;
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(client);
        box->setMaxLength(spec.maxLength);  // characters; the validator counts bytes
        box->setValidator(new ByteLimitValidator(spec.maxLength, box));
        widget = box;
        break;
    }
    case ControlKind::FileList:
        widget = new FileListBox(client);
        break;
    case ControlKind::Picture: {
        auto* picture = new ClickLabel(client);
        picture->setPixmap(QPixmap(QStringLiteral(":/artwork/") + latin1(spec.picture) + QStringLiteral(".png")));
        widget = picture;
        break;
    }
    case ControlKind::Label: {
        auto* label = new ClickLabel(latin1(spec.text), client);
        label->setAlignment((spec.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        widget = label;
        break;
    }
    }
    widget->setObjectName(latin1(spec.name));
    widget->setAccessibleName(latin1(spec.accessibleName));
    widget->setGeometry(pixels(spec.left), pixels(spec.top), pixels(spec.width), pixels(spec.height));
    if (spec.font) {
        QFont font(latin1(spec.font->family));
        font.setPointSizeF(spec.font->points);
        font.setBold(true);
        widget->setFont(font);
    }
    applyColours(widget, spec);
    if (spec.kind == ControlKind::Picture || spec.kind == ControlKind::Label)
        widget->setFocusPolicy(Qt::NoFocus);
    if (spec.pointingHand)
        widget->setCursor(QCursor(QPixmap(QStringLiteral(":/artwork/hand.png")), 13, 9));  // at the fingertip
    return widget;
}

}  // namespace

QWidget* createClientArea(QWidget* parent)
{
    auto* client = new BackgroundArea(parent);
    std::vector<std::pair<int, QWidget*>> focusChain;
    std::vector<QWidget*> underneath;  // pictures and labels lie below the rest
    for (const auto& spec : kControls) {
        QWidget* widget = createControl(spec, client);
        if (spec.kind == ControlKind::Picture || spec.kind == ControlKind::Label)
            underneath.push_back(widget);
        else
            focusChain.emplace_back(spec.tabIndex, widget);
    }
    for (QWidget* widget : underneath)
        widget->lower();
    client->findChild<QWidget*>(QStringLiteral("Dir1"))->hide();

    std::sort(focusChain.begin(), focusChain.end());
    for (std::size_t i = 1; i < focusChain.size(); ++i)
        QWidget::setTabOrder(focusChain[i - 1].second, focusChain[i].second);
    return client;
}

void installFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier"),
                               {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                                QStringLiteral("Nimbus Mono PS"), QStringLiteral("DejaVu Sans Mono")});
}

}  // namespace varnix
