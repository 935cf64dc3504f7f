#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

class QLabel;

namespace parsella {

// Windows are laid out as the classic designer stored them: positions in twips
// (1/1440 inch), fonts in points, colours as 0x00BBGGRR values. Each window keeps its
// design in one WindowDesign table that reads like its layout; buildForm() turns it
// into widgets. These functions are the only place where those units meet Qt's.

// 15 twips to a device-independent pixel (96 dpi); Qt's high-DPI scaling does the rest.
int twipsToPixels(int twips);
QRect twipsRect(int left, int top, int width, int height);

// A colour stored as 0x00BBGGRR.
QColor bgr(unsigned value);

namespace colour {
constexpr unsigned red = 0x0000FF;         // an incomplete sentence or phrase
constexpr unsigned black = 0x000000;       // a complete one
constexpr unsigned blue = 0xFF0000;        // highlights and the web link
constexpr unsigned lightYellow = 0xC0FFFF; // every window, frame, option and plain label
constexpr unsigned white = 0xFFFFFF;       // display labels
} // namespace colour

enum LookFlag : unsigned {
    Bold = 1u << 0,
    Underline = 1u << 1,
    Centred = 1u << 2,
    Serif = 1u << 3,     // the "Times New Roman" face; otherwise the window's sans face
    WhiteBack = 1u << 4, // display label: white background
    BlueText = 1u << 5,
};

// Typeface, size and colours of one control.
struct Look {
    double points = 8.25;
    unsigned flags = 0;
};

constexpr Look plain{};
constexpr Look display{9.75, Centred | WhiteBack};  // the label that shows the sentence or phrase
constexpr Look frameTitle{8.25, Bold};               // frame captions of the phrase builders

// The font for a classic face at a size in points. Sans captions at the small default size
// use an Arial Narrow-metric face: at 8.25 pt a regular Arial-metric face plus a radio
// indicator overflows the narrowest options ("extremely" in 975 twips), as the old bitmap
// face did not. Larger text uses the regular Arial-metric face; "Times New Roman" maps to a
// Times-metric face. Pixel sizes are fixed at 96 dpi so text scales with the twips.
QFont classicFont(double points, unsigned flags = 0);

// Whether classicFont's fonts may borrow glyphs from other faces. Off while the captions are
// in a script the classic faces hold (Latin, Cyrillic, Greek), since looking fallbacks up costs
// start-up; on for an interface in any other script (Chinese), whose captions would otherwise
// be drawn as boxes. Turning it on also lets the fonts of the windows already open borrow.
void setCaptionFallback(bool allowed);
bool captionFallback();

// Puts text from outside the windows' own captions (chosen at build time, so in any script)
// on a label. Where the label's face lacks one of its letters, the label's font may borrow
// glyphs from other faces, which classicFont's fonts otherwise do not.
void setOutsideText(QLabel *label, const QString &text);
// `font`, or, where its face lacks one of the letters of `text`, the same font borrowing glyphs
// from other faces.
QFont fontShowing(const QFont &font, const QString &text);

// The Arial Narrow-metric face the small sans captions are measured in.
inline const QString narrowFace = QStringLiteral("Liberation Sans Narrow");

// Makes the narrow face available before any window is built: the system's own where it has
// one (Debian 12's fonts-liberation), else the copy the program carries, since newer systems
// and Windows may lack it. Writes one line to standard error if it cannot be had at all.
void ensureNarrowFace();

// Loads the faces in the fonts folder beside the program, where the system lacks Liberation Sans
// or Serif, as Windows does: its package carries them there, so captions keep their metrics.
void loadCarriedFaces(const QString &programDirectory);

enum class Kind { Label, Button, Option, Frame, Image };

enum StateFlag : unsigned {
    Shown = 0,
    Hidden = 1u << 0,
    Disabled = 1u << 1,
    Checked = 1u << 2,
};

// One row of a window's control table. Controls of a control array share a name and
// differ by index; their QButtonGroup carries the name and the index becomes the id.
// Each button's own objectName is "name(index)".
struct Control {
    Kind kind;
    const char *name;
    int index;            // index within the control array, -1 for a lone control
    const char *caption;  // for an Image: the resource path of its picture
    const char *in;       // name of the enclosing frame; nullptr for the window itself
    QRect twips;          // left, top, width, height relative to the enclosing frame or window
    Look look = plain;
    unsigned state = Shown;
    int tab = -1;         // tab index, -1 where the table gives none
    const char *spoken = nullptr; // accessible name, for controls whose caption says nothing
};

using ControlTable = std::vector<Control>;

struct WindowDesign {
    const char *name;     // class name of the window, also its objectName
    const char *caption;
    int width;            // client area in twips
    int height;
    bool icon;            // whether the window shows the program's icon
    Look font = plain;
    ControlTable controls;
};

// Builds the controls of `design` on `client` (the window itself for a dialog, the
// central widget of a main window) and gives `window` its caption, icon and colours.
// The window's own texts (title, labels, buttons, frame titles, spoken names) are looked
// up in the installed translation under the window's name, so the tables mark them with
// QT_TRANSLATE_NOOP("<window name>", ...); option captions are English words the learner
// builds with and are shown as they stand.
void buildForm(QWidget *window, QWidget *client, const WindowDesign &design);

// A control that `design` put on `client`, by name. A missing one is a fault in the table,
// not a state a learner can reach.
template<class T>
T *designedControl(const QWidget *client, const char *name)
{
    T *w = client->findChild<T *>(QLatin1String(name));
    Q_ASSERT_X(w, "designedControl", name);
    return w;
}

// The objectName of one member of a control array: "optNoun(3)".
QString arrayMemberName(const char *name, int index);

// Shows a sentence or phrase as incomplete (red) or complete (black), and tells a screen
// reader the same, since the colour says nothing to a learner who cannot see it. A sentence
// label also says why: `explanation` is what it still needs, or that it is complete. It is
// the label's tool tip, and while the label is red it is what a screen reader is told.
void showCompleteness(QWidget *display, bool complete, const QString &explanation = QString());

// Sets the text colour of a label or an option button.
void setTextColour(QWidget *widget, unsigned bgrValue);
unsigned textColour(const QWidget *widget);

} // namespace parsella
