#include "ui/form1_layout.h"

#include "ui/byte_limit.h"
#include "ui/click_label.h"
#include "ui/dir_list_box.h"
#include "ui/file_list_box.h"

#include <QFont>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <array>
#include <optional>

namespace varnix {
namespace {

enum class Kind { PushButton, DirectoryList, OptionButton, TextBox, FileList, Picture, Label };

struct FontSpec {
    const char* family;
    double points;
};

struct ControlSpec {
    const char* name;
    Kind kind;
    const char* text;
    int left, top, width, height;  // twips
    int tabIndex;                  // -1: takes no focus
    std::optional<FontSpec> font;  // empty: the window's default; all bold
    QRgb background;
    QRgb foreground;
    int maxLength;        // text boxes only
    const char* picture;  // pictures only
    const char* accessibleName;
    bool centred = false;  // labels are left-aligned unless centred
};

constexpr int pixels(int twips)
{
    return twips / 15;
}

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kLilac = qRgb(192, 192, 255);
constexpr QRgb kPaleYellow = qRgb(255, 255, 192);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr FontSpec kSansSerif12{"MS Sans Serif", 12};

// In creation order; the focus order follows the tab indexes.
const std::array<ControlSpec, 19> kControls{{
    {"Command1", Kind::PushButton, "PLAY", 6480, 5880, 1455, 375, 14, FontSpec{"Courier", 12}, 0, 0, 0, nullptr,
     "PLAY"},
    {"Dir1", Kind::DirectoryList, "", 6000, 1920, 2295, 3690, 13, std::nullopt, kLilac, kBlack, 0, nullptr,
     "ROM directories"},
    {"optMAME", Kind::OptionButton, "", 120, 4200, 255, 375, 11, std::nullopt, kBlack, kWhite, 0, nullptr, "MAME"},
    {"Text4", Kind::TextBox, "", 2040, 4200, 3375, 420, 10, kSansSerif12, 0, 0, 50, nullptr,
     "MAME command line parameters"},
    {"optNeoRage", Kind::OptionButton, "", 120, 3600, 255, 375, 9, std::nullopt, kBlack, kWhite, 0, nullptr,
     "NeoRage"},
    {"Text3", Kind::TextBox, "", 2040, 3600, 3375, 420, 8, kSansSerif12, 0, 0, 30, nullptr,
     "NeoRage command line parameters"},
    {"Text2", Kind::TextBox, "", 2040, 3000, 3375, 420, 4, kSansSerif12, 0, 0, 30, nullptr,
     "Genesis command line parameters"},
    {"optGenesis", Kind::OptionButton, "", 120, 3000, 255, 375, 3, std::nullopt, kBlack, kWhite, 0, nullptr,
     "Genesis"},
    {"Text1", Kind::TextBox, "", 2040, 2400, 3375, 420, 2, kSansSerif12, 0, 0, 30, nullptr,
     "SNES command line parameters"},
    {"optSnes", Kind::OptionButton, "", 120, 2160, 255, 735, 1, std::nullopt, kBlack, kWhite, 0, nullptr, "SNES"},
    {"fileRoms", Kind::FileList, "", 6000, 1920, 2295, 3795, 0, FontSpec{"MS Sans Serif", 8.25}, kLilac, kBlack, 0,
     nullptr, "ROM files"},
    {"Image3", Kind::Picture, "", 360, 3600, 1515, 330, -1, std::nullopt, 0, 0, 0, ":/artwork/neogeo.png",
     "NeoGeo logo"},
    {"Image4", Kind::Picture, "", 240, 4200, 1500, 360, -1, std::nullopt, 0, 0, 0, ":/artwork/mame.png",
     "MAME logo"},
    {"Image2", Kind::Picture, "", 360, 3000, 1500, 345, -1, std::nullopt, 0, 0, 0, ":/artwork/genesis.png",
     "Genesis logo"},
    {"Image1", Kind::Picture, "", 360, 2400, 1500, 345, -1, std::nullopt, 0, 0, 0, ":/artwork/snes.png",
     "SNES logo"},
    {"Label4", Kind::Label, nullptr, 120, 6240, 4575, 375, 12, kSansSerif12, kBlack, kRed, 0, nullptr,
     "Home page"},
    {"Label3", Kind::Label, "Programmed By Dorvan", 120, 6000, 3615, 255, 7, FontSpec{"MS Sans Serif", 9.75}, kBlack,
     kWhite, 0, nullptr, "Programmed By Dorvan"},
    {"Label2", Kind::Label, "Command Line Parameters", 2040, 2160, 3375, 255, 6, std::nullopt, kBlack, kPaleYellow, 0,
     nullptr, "Command Line Parameters"},
    {"Label1", Kind::Label, "ROMS / DIRS", 6000, 1560, 2295, 375, 5, kSansSerif12, kBlack, kPaleYellow, 0, nullptr,
     "ROMS / DIRS", true},
}};

// The client area paints its picture at natural size; what lies beyond the
// client area's edges is cut off.
class BackgroundArea final : public QWidget {
public:
    explicit BackgroundArea(QWidget* parent) : QWidget(parent), m_picture(QStringLiteral(":/artwork/background.png"))
    {
        setObjectName(QStringLiteral("clientArea"));
        setFixedSize(kClientSize);
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
    if (spec.background == 0 && spec.foreground == 0)
        return;
    QPalette palette = widget->palette();
    const bool isList = spec.kind == Kind::FileList || spec.kind == Kind::DirectoryList;
    palette.setColor(isList ? QPalette::Base : QPalette::Window, QColor(spec.background));
    palette.setColor(isList ? QPalette::Text : QPalette::WindowText, QColor(spec.foreground));
    widget->setPalette(palette);
    widget->setAutoFillBackground(!isList);
    // Buttons fill with the Button role; an option button's face is the window's.
    if (spec.kind == Kind::OptionButton)
        widget->setBackgroundRole(QPalette::Window);
}

QWidget* createControl(const ControlSpec& spec, QWidget* client)
{
    const auto text = QString::fromLatin1(spec.text ? spec.text : "");
    QWidget* widget = nullptr;
    switch (spec.kind) {
    case Kind::PushButton:
        widget = new QPushButton(text, client);
        break;
    case Kind::DirectoryList:
        widget = new DirListBox(client);
        break;
    case Kind::OptionButton:
        widget = new QRadioButton(client);
        break;
    case Kind::TextBox: {
        auto* box = new QLineEdit(client);
        box->setMaxLength(spec.maxLength);  // characters; the validator counts bytes
        box->setValidator(new ByteLimitValidator(spec.maxLength, box));
        widget = box;
        break;
    }
    case Kind::FileList:
        widget = new FileListBox(client);
        break;
    case Kind::Picture: {
        auto* picture = new ClickLabel(client);
        picture->setPixmap(QPixmap(QString::fromLatin1(spec.picture)));
        widget = picture;
        break;
    }
    case Kind::Label: {
        auto* label = new ClickLabel(spec.text ? text : kHomePageAddress, client);
        label->setAlignment((spec.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        widget = label;
        break;
    }
    }
    widget->setObjectName(QString::fromLatin1(spec.name));
    widget->setAccessibleName(QString::fromLatin1(spec.accessibleName));
    widget->setGeometry(pixels(spec.left), pixels(spec.top), pixels(spec.width), pixels(spec.height));
    if (spec.font) {
        QFont font(QString::fromLatin1(spec.font->family));
        font.setPointSizeF(spec.font->points);
        font.setBold(true);
        widget->setFont(font);
    }
    applyColours(widget, spec);
    if (spec.kind == Kind::Picture || spec.kind == Kind::Label)
        widget->setFocusPolicy(Qt::NoFocus);
    return widget;
}

QCursor pointingHand()
{
    return QCursor(QPixmap(QStringLiteral(":/artwork/hand.png")), 13, 9);
}

}  // namespace

QWidget* createClientArea(QWidget* parent)
{
    auto* client = new BackgroundArea(parent);
    std::vector<std::pair<int, QWidget*>> focusChain;
    std::vector<QWidget*> underneath;  // pictures and labels lie below the rest
    for (const auto& spec : kControls) {
        QWidget* widget = createControl(spec, client);
        if (spec.kind == Kind::Picture || spec.kind == Kind::Label)
            underneath.push_back(widget);
        else
            focusChain.emplace_back(spec.tabIndex, widget);
    }
    for (QWidget* widget : underneath)
        widget->lower();

    client->findChild<QWidget*>(QStringLiteral("Label4"))->setCursor(pointingHand());
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
