// The court cards: the knave (Fante) standing, the horseman (Cavallo) on his
// horse and the crowned king (Re), each holding his suit's symbol. Figures are
// built from a few body parts drawn in card units (240 x 377).

#include <stdexcept>

#include "card.h"
#include "geometry.h"
#include "palette.h"
#include "suits.h"

namespace artgen {
namespace {

constexpr double kLineW = 2.2;  // outline of figures

Style fig(const char* fill) {
    return outlined(fill, ink::kLine, kLineW);
}

// What a figure of one suit wears.
struct Dress {
    const char* coat;   // doublet or gown
    const char* skirt;  // lower coat, or the gown's trim
    const char* cape;
    const char* sleeve;
    const char* hoseL;  // the two legs, parti-coloured
    const char* hoseR;
    const char* hat;
    const char* feather;
};

Dress dressOf(int suit, int value) {
    using namespace ink;
    const Dress knave[] = {
        {kRed, kDarkRed, kBlue, kRed, kGold, kBlue, kBlue, kWhite},
        {kBlue, kDarkBlue, kRed, kBlue, kRed, kGold, kRed, kWhite},
        {kGreen, kDarkGreen, kRed, kGreen, kGold, kRed, kRed, kGold},
        {kGold, kOchre, kBlue, kGold, kBlue, kRed, kGreen, kRed},
    };
    const Dress rider[] = {
        {kBlue, kDarkBlue, kRed, kBlue, kGold, kGold, kRed, kWhite},
        {kRed, kDarkRed, kGreen, kRed, kBlue, kBlue, kBlue, kGold},
        {kGold, kOchre, kBlue, kGold, kGreen, kGreen, kGreen, kRed},
        {kGreen, kDarkGreen, kRed, kGreen, kRed, kRed, kRed, kWhite},
    };
    const Dress king[] = {
        {kBlue, kGold, kRed, kBlue, kRed, kRed, kGold, kWhite},
        {kRed, kGold, kBlue, kRed, kBlue, kBlue, kGold, kWhite},
        {kGreen, kGold, kRed, kGreen, kRed, kRed, kGold, kWhite},
        {kRed, kGold, kGreen, kRed, kBlue, kBlue, kGold, kWhite},
    };
    const int i = suit - 1;
    return value == 8 ? knave[i] : value == 9 ? rider[i] : king[i];
}

// --- body parts -------------------------------------------------------------

void groundShadow(Svg& svg, Pt c, double rx) {
    svg.ellipse(c, rx, 7, fillOnly("#e6d9b4"));
}

void hand(Svg& svg, Pt c, double r = 6) {
    svg.circle(c, r, fig(ink::kSkin));
}

// A face seen from the front: hair behind it is drawn by the caller.
void face(Svg& svg, Pt c, double r, bool beard) {
    svg.ellipse(c, r * 0.9, r * 1.08, fig(ink::kSkin));
    const double ey = c.y - r * 0.05;
    svg.path(Path()
                 .M({c.x - r * 0.55, ey - r * 0.28})
                 .Q({c.x - r * 0.35, ey - r * 0.4}, {c.x - r * 0.15, ey - r * 0.28}),
             strokeOnly(ink::kHair, 1.4));
    svg.path(Path()
                 .M({c.x + r * 0.15, ey - r * 0.28})
                 .Q({c.x + r * 0.35, ey - r * 0.4}, {c.x + r * 0.55, ey - r * 0.28}),
             strokeOnly(ink::kHair, 1.4));
    svg.circle({c.x - r * 0.35, ey}, r * 0.11, fillOnly(ink::kLine));
    svg.circle({c.x + r * 0.35, ey}, r * 0.11, fillOnly(ink::kLine));
    svg.path(Path()
                 .M({c.x, ey + r * 0.05})
                 .Q({c.x - r * 0.12, ey + r * 0.35}, {c.x + r * 0.05, ey + r * 0.38}),
             strokeOnly(ink::kDarkWood, 1.2));
    svg.circle({c.x - r * 0.5, ey + r * 0.38}, r * 0.16, fillOnly(ink::kCheek));
    svg.circle({c.x + r * 0.5, ey + r * 0.38}, r * 0.16, fillOnly(ink::kCheek));
    if (beard) {
        svg.path(Path()
                     .M({c.x - r * 0.88, c.y + r * 0.05})
                     .C({c.x - r * 0.8, c.y + r * 1.2}, {c.x - r * 0.3, c.y + r * 1.7},
                        {c.x, c.y + r * 1.9})
                     .C({c.x + r * 0.3, c.y + r * 1.7}, {c.x + r * 0.8, c.y + r * 1.2},
                        {c.x + r * 0.88, c.y + r * 0.05})
                     .C({c.x + r * 0.5, c.y + r * 0.75}, {c.x - r * 0.5, c.y + r * 0.75},
                        {c.x - r * 0.88, c.y + r * 0.05})
                     .Z(),
                 fig("#e9e4d8"));
        svg.path(Path()
                     .M({c.x - r * 0.4, c.y + r * 0.62})
                     .Q({c.x, c.y + r * 0.45}, {c.x + r * 0.4, c.y + r * 0.62}),
                 strokeOnly("#cfc8b8", 2.4));
        svg.path(Path()
                     .M({c.x - r * 0.2, c.y + r * 0.72})
                     .Q({c.x, c.y + r * 0.8}, {c.x + r * 0.2, c.y + r * 0.72}),
                 strokeOnly(ink::kDarkRed, 1.3));
    } else {
        svg.path(Path()
                     .M({c.x - r * 0.22, ey + r * 0.62})
                     .Q({c.x, ey + r * 0.74}, {c.x + r * 0.22, ey + r * 0.62}),
                 strokeOnly(ink::kDarkRed, 1.5));
    }
}

// Hair falling to the jaw (a page's bob) or to the shoulders (a king's locks).
void hair(Svg& svg, Pt c, double r, double drop, const char* colour) {
    svg.path(Path()
                 .M({c.x - r * 0.95, c.y + drop})
                 .C({c.x - r * 1.25, c.y - r * 0.4}, {c.x - r * 0.8, c.y - r * 1.25},
                    {c.x, c.y - r * 1.2})
                 .C({c.x + r * 0.8, c.y - r * 1.25}, {c.x + r * 1.25, c.y - r * 0.4},
                    {c.x + r * 0.95, c.y + drop})
                 .Q({c.x + r * 0.7, c.y + drop + r * 0.15}, {c.x + r * 0.55, c.y + drop - r * 0.1})
                 .L({c.x - r * 0.55, c.y + drop - r * 0.1})
                 .Q({c.x - r * 0.7, c.y + drop + r * 0.15}, {c.x - r * 0.95, c.y + drop})
                 .Z(),
             fig(colour));
}

void fringe(Svg& svg, Pt c, double r, const char* colour) {
    svg.path(Path()
                 .M({c.x - r * 0.88, c.y - r * 0.1})
                 .C({c.x - r * 0.8, c.y - r * 0.9}, {c.x + r * 0.8, c.y - r * 0.9},
                    {c.x + r * 0.88, c.y - r * 0.1})
                 .Q({c.x + r * 0.5, c.y - r * 0.55}, {c.x, c.y - r * 0.5})
                 .Q({c.x - r * 0.5, c.y - r * 0.55}, {c.x - r * 0.88, c.y - r * 0.1})
                 .Z(),
             fig(colour));
}

// A flat cap worn aslant with a plume.
void plumedCap(Svg& svg, Pt head, double r, const Dress& d, bool plumeRight) {
    const double s = plumeRight ? 1 : -1;
    const Pt base{head.x + s * r * 0.9, head.y - r * 1.05};
    svg.path(Path()
                 .M(base)
                 .C(base + Pt{s * 10, -18}, base + Pt{s * 30, -30}, base + Pt{s * 40, -26})
                 .C(base + Pt{s * 28, -20}, base + Pt{s * 14, -8}, base + Pt{s * 4, 4})
                 .Z(),
             fig(d.feather));
    svg.path(Path()
                 .M({head.x - r * 1.05, head.y - r * 0.7})
                 .C({head.x - r * 1.0, head.y - r * 1.9}, {head.x + r * 1.0, head.y - r * 1.9},
                    {head.x + r * 1.05, head.y - r * 0.7})
                 .Z(),
             fig(d.hat));
    svg.ellipse({head.x, head.y - r * 0.72}, r * 1.35, r * 0.32, fig(d.hat));
    svg.circle({head.x + s * r * 0.7, head.y - r * 0.9}, r * 0.2, fig(ink::kGold));
}

void crown(Svg& svg, Pt head, double r) {
    const double y0 = head.y - r * 0.75, y1 = head.y - r * 1.35, top = head.y - r * 2.25;
    const double x0 = head.x - r * 1.0, x1 = head.x + r * 1.0;
    Path p;
    p.M({x0, y0}).L({x0 - 2, top + 6});
    const double xs[] = {x0 - 2, head.x - r * 0.5, head.x, head.x + r * 0.5, x1 + 2};
    const double tips[] = {top + 6, top + 4, top, top + 4, top + 6};
    for (int i = 0; i < 4; ++i) {
        const double mx = (xs[i] + xs[i + 1]) / 2;
        p.L({mx, y1 - 1});
        p.L({xs[i + 1], tips[i + 1]});
    }
    p.L({x1, y0}).Z();
    svg.path(p, fig(ink::kGold));
    for (int i = 0; i < 5; ++i) svg.circle({xs[i], tips[i] - 2.5}, 2.8, fig(ink::kPaleGold));
    svg.rect(x0, y1 + 1, x1 - x0, y0 - y1 - 1, 0, fig(ink::kOchre));
    svg.circle({head.x, (y0 + y1) / 2 + 0.5}, 3, fig(ink::kRed));
    svg.circle({head.x - r * 0.55, (y0 + y1) / 2 + 0.5}, 2.3, fig(ink::kBlue));
    svg.circle({head.x + r * 0.55, (y0 + y1) / 2 + 0.5}, 2.3, fig(ink::kBlue));
}

// A sleeved arm from shoulder through elbow to the hand.
void arm(Svg& svg, Pt shoulder, Pt elbow, Pt wrist, const char* sleeve, double w = 13) {
    outlinedStroke(svg, {shoulder, elbow, wrist}, w, sleeve, kLineW);
    svg.circle(lerp(elbow, wrist, 0.85), w * 0.5 + 0.5, fig(ink::kGold));  // cuff
}

void leg(Svg& svg, Pt hip, Pt knee, Pt ankle, const char* hose, double w = 15) {
    outlinedStroke(svg, {hip, knee, ankle}, w, hose, kLineW);
}

void shoe(Svg& svg, Pt ankle, double dir) {
    svg.path(Path()
                 .M({ankle.x - dir * 6, ankle.y - 3})
                 .C({ankle.x + dir * 2, ankle.y - 6}, {ankle.x + dir * 16, ankle.y},
                    {ankle.x + dir * 15, ankle.y + 5})
                 .L({ankle.x - dir * 8, ankle.y + 5})
                 .Z(),
             fig(ink::kDarkWood));
}

// Ermine: white fur with black tails.
void ermineSpots(Svg& svg, std::initializer_list<Pt> at) {
    Path tails;
    for (const Pt& p : at)
        tails.M({p.x, p.y - 2.5}).L({p.x - 1.6, p.y + 2}).L({p.x + 1.6, p.y + 2}).Z();
    svg.path(tails, fillOnly(ink::kLine));
}

// --- what the hands hold ----------------------------------------------------

void heldRaised(Svg& svg, int suit, Pt hand) {
    switch (suit) {
        case kDenari:
            coin(svg, hand + Pt{4, -26}, 26);
            break;
        case kCoppe:
            cup(svg, hand + Pt{2, -30}, 66);
            break;
        case kBastoni:
            club(svg, {hand + Pt{-14, 46}, hand + Pt{0, 0}, hand + Pt{16, -70}}, 22);
            break;
        default:
            sword(svg, {hand + Pt{-3, 10}, hand + Pt{20, -50}, hand + Pt{16, -112}}, 11);
            break;
    }
}

// --- the three figures ------------------------------------------------------

void knave(Svg& svg, int suit) {
    const Dress d = dressOf(suit, 8);
    const Pt head{116, 88};
    const double r = 16;
    groundShadow(svg, {122, 340}, 46);
    // cape hanging behind the left shoulder
    svg.path(Path()
                 .M({100, 114})
                 .C({78, 150}, {70, 210}, {72, 262})
                 .Q({86, 270}, {100, 258})
                 .L({112, 130})
                 .Z(),
             fig(d.cape));
    // legs and shoes
    leg(svg, {110, 228}, {106, 280}, {104, 328}, d.hoseL);
    leg(svg, {130, 228}, {136, 280}, {140, 328}, d.hoseR);
    shoe(svg, {104, 330}, -1);
    shoe(svg, {140, 330}, 1);
    // held symbol first when it stands on the ground behind the arm
    const bool planted = suit == kBastoni || suit == kSpade;
    if (suit == kBastoni) club(svg, {{172, 338}, {176, 230}, {170, 96}}, 24);
    if (suit == kSpade) sword(svg, {{164, 214}, {176, 140}, {170, 50}}, 11);
    // doublet, skirt, belt
    svg.path(Path().M({98, 186}).L({142, 186}).L({160, 236}).Q({120, 246}, {82, 236}).Z(),
             fig(d.skirt));
    svg.path(Path().M({84, 234}).Q({120, 244}, {158, 234}), strokeOnly(ink::kGold, 3));
    svg.path(Path()
                 .M({100, 112})
                 .Q({120, 104}, {140, 112})
                 .Q({150, 116}, {148, 130})
                 .L({140, 190})
                 .L({100, 190})
                 .L({92, 130})
                 .Q({90, 116}, {100, 112})
                 .Z(),
             fig(d.coat));
    svg.path(Path().M({120, 110}).L({120, 186}), strokeOnly(ink::kGold, 3));
    for (int i = 0; i < 4; ++i) svg.circle({120, 122 + i * 16.0}, 2.2, fig(ink::kPaleGold));
    svg.path(Path().M({106, 130}).Q({104, 160}, {108, 182}), strokeOnly(ink::kLine, 1));
    svg.path(Path().M({134, 130}).Q({136, 160}, {132, 182}), strokeOnly(ink::kLine, 1));
    svg.rect(98, 181, 44, 9, 2, fig(ink::kDarkWood));
    svg.rect(115, 180, 10, 11, 1, fig(ink::kGold));
    // left arm on the hip
    arm(svg, {98, 122}, {76, 160}, {98, 180}, d.sleeve);
    hand(svg, {100, 181});
    // neck, ruff, head
    svg.rect(111, 100, 10, 12, 0, fig(ink::kSkin));
    svg.ellipse({116, 111}, 17, 5, fig(ink::kWhite));
    hair(svg, head, r, 6, ink::kHair);
    face(svg, head, r, false);
    fringe(svg, head, r, ink::kHair);
    plumedCap(svg, head, r, d, true);
    // right arm holding the symbol
    if (planted) {
        const Pt grip = suit == kBastoni ? Pt{172, 170} : Pt{166, 198};
        arm(svg, {142, 122}, {162, 150}, grip, d.sleeve);
        hand(svg, grip, 6.5);
    } else {
        const Pt grip{158, 112};
        arm(svg, {142, 122}, {166, 146}, grip, d.sleeve);
        heldRaised(svg, suit, grip + Pt{6, 0});
        hand(svg, grip, 6.5);
    }
}

// A leg of the horse: upper leg, cannon and a dark hoof.
void horseLeg(Svg& svg, Pt top, Pt joint, Pt fetlock, const char* coat) {
    outlinedStroke(svg, {top, joint}, 16, coat, kLineW);
    outlinedStroke(svg, {joint, fetlock}, 10, coat, kLineW);
    const Pt d = unit(fetlock - joint);
    const Pt side = normal(d) * 6;
    svg.polygon({fetlock - side, fetlock + side, fetlock + side * 1.1 + d * 9,
                 fetlock - side * 1.1 + d * 9},
                fig(ink::kLine));
}

// The horse, walking to the left with a foreleg raised, in a caparison.
void horse(Svg& svg, const char* coat, const char* mane, const Dress& d) {
    // far legs and tail behind the body
    horseLeg(svg, {104, 252}, {100, 292}, {98, 326}, mane);
    horseLeg(svg, {180, 248}, {196, 284}, {190, 322}, mane);
    svg.path(Path()
                 .M({190, 212})
                 .C({214, 222}, {218, 268}, {204, 300})
                 .C({200, 284}, {194, 256}, {184, 236})
                 .Z(),
             fig(mane));
    svg.path(Path().M({196, 232}).Q({206, 262}, {202, 290}), strokeOnly(ink::kLine, 1));
    // body
    svg.path(Path()
                 .M({72, 222})
                 .C({78, 200}, {110, 196}, {140, 204})
                 .C({160, 200}, {190, 196}, {196, 220})
                 .C({200, 240}, {192, 258}, {178, 262})
                 .C({150, 270}, {110, 270}, {90, 262})
                 .C({74, 256}, {68, 240}, {72, 222})
                 .Z(),
             fig(coat));
    // near legs
    horseLeg(svg, {86, 250}, {66, 276}, {76, 298}, coat);
    horseLeg(svg, {166, 252}, {178, 290}, {170, 326}, coat);
    // neck, head and ear
    svg.path(Path()
                 .M({74, 242})
                 .C({62, 222}, {54, 198}, {50, 176})
                 .L({72, 134})
                 .C({90, 150}, {104, 180}, {118, 206})
                 .Z(),
             fig(coat));
    svg.path(Path().M({65, 131}).Q({66, 120}, {71, 114}).Q({76, 124}, {77, 133}).Z(), fig(coat));
    svg.path(Path()
                 .M({76, 138})
                 .C({66, 124}, {50, 132}, {40, 148})
                 .C({32, 162}, {22, 176}, {26, 186})
                 .C({30, 196}, {44, 196}, {50, 186})
                 .C({54, 178}, {58, 174}, {62, 170})
                 .Z(),
             fig(coat));
    svg.circle({56, 148}, 2.8, fillOnly(ink::kLine));
    svg.path(Path().M({52, 144}).Q({56, 141}, {61, 145}), strokeOnly(ink::kLine, 1));
    svg.path(Path().M({30, 182}).Q({33, 178}, {36, 182}), strokeOnly(ink::kLine, 1.4));
    svg.path(Path().M({28, 190}).Q({36, 192}, {42, 188}), strokeOnly(ink::kLine, 1));
    // mane along the crest, and the forelock
    Path m;
    m.M({70, 132});
    const Pt crest[] = {{80, 146}, {90, 160}, {98, 174}, {106, 188}, {114, 202}};
    Pt prev{70, 132};
    for (const Pt& p : crest) {
        m.Q(lerp(prev, p, 0.5) + Pt{12, -2}, p);
        prev = p;
    }
    m.C({106, 198}, {90, 176}, {78, 156}).C({74, 150}, {70, 142}, {70, 132}).Z();
    svg.path(m, fig(mane));
    svg.path(Path().M({70, 132}).Q({58, 134}, {56, 142}).Q({64, 140}, {70, 138}).Z(), fig(mane));
    // bridle
    svg.polyline({{30, 184}, {46, 170}, {68, 138}}, strokeOnly(ink::kDarkRed, 3));
    svg.polyline({{36, 190}, {44, 172}}, strokeOnly(ink::kDarkRed, 3));
    svg.circle({44, 178}, 2.4, fig(ink::kGold));
    // caparison with a scalloped, fringed hem
    Path cap;
    cap.M({106, 202}).C({130, 198}, {160, 200}, {180, 204}).L({182, 250});
    double x = 182;
    bool down = true;
    while (x > 108) {
        const double nx = x - 12;
        cap.Q({x - 6, down ? 262.0 : 250.0}, {nx, 250});
        x = nx;
        down = !down;
    }
    cap.L({104, 248}).Z();
    svg.path(cap, fig(d.skirt));
    svg.path(Path().M({108, 240}).L({180, 240}), strokeOnly(ink::kGold, 3));
    for (int i = 0; i < 6; ++i) svg.circle({116 + i * 12.0, 222}, 2.2, fillOnly(ink::kPaleGold));
}

void rider(Svg& svg, int suit) {
    const Dress d = dressOf(suit, 9);
    const char* coats[] = {"#f4efe4", "#b5652c", "#8a5a2e", "#c9c6be"};
    const char* manes[] = {"#b8b0a0", "#6b3416", "#3c2413", "#7f7c76"};
    groundShadow(svg, {134, 330}, 70);
    // cape streaming behind the rider
    svg.path(Path()
                 .M({150, 150})
                 .C({176, 160}, {196, 186}, {206, 212})
                 .Q({190, 208}, {176, 216})
                 .L({154, 190})
                 .Z(),
             fig(d.cape));
    horse(svg, coats[suit - 1], manes[suit - 1], d);
    // rider: thigh, boot, torso, head
    const Pt head{140, 122};
    const double r = 14;
    svg.path(Path().M({126, 200}).L({158, 200}).L({160, 218}).Q({142, 224}, {124, 216}).Z(),
             fig(d.skirt));
    leg(svg, {142, 208}, {120, 228}, {122, 262}, d.hoseL, 15);
    svg.path(Path()
                 .M({113, 248})
                 .L({130, 248})
                 .L({130, 266})
                 .C({139, 268}, {139, 277}, {130, 277})
                 .L({113, 275})
                 .Z(),
             fig(ink::kDarkWood));
    svg.path(Path().M({122, 226}).L({122, 280}), strokeOnly(ink::kGold, 2));
    svg.path(Path().M({114, 279}).L({134, 279}), strokeOnly(ink::kGold, 3));
    svg.path(Path().M({126, 146}).Q({142, 140}, {156, 146}).L({158, 204}).L({126, 204}).Z(),
             fig(d.coat));
    svg.path(Path().M({141, 146}).L({141, 202}), strokeOnly(ink::kGold, 3));
    for (int i = 0; i < 3; ++i) svg.circle({141, 158 + i * 13.0}, 2, fig(ink::kPaleGold));
    svg.rect(126, 190, 32, 8, 2, fig(ink::kDarkWood));
    svg.rect(136, 138, 10, 8, 0, fig(ink::kSkin));
    svg.ellipse({141, 146}, 15, 4.5, fig(ink::kWhite));
    hair(svg, head, r, 5, ink::kHair);
    face(svg, head, r, false);
    fringe(svg, head, r, ink::kHair);
    plumedCap(svg, head, r, d, false);
    // the rein hand and the raised hand with the symbol
    arm(svg, {128, 154}, {116, 182}, {104, 190}, d.sleeve, 12);
    svg.polyline({{32, 186}, {66, 198}, {102, 190}}, strokeOnly(ink::kDarkRed, 2));
    hand(svg, {103, 190}, 5.5);
    const Pt grip{178, 114};
    arm(svg, {154, 154}, {176, 146}, grip, d.sleeve, 12);
    heldRaised(svg, suit, grip + Pt{2, 0});
    hand(svg, grip, 6);
}

void king(Svg& svg, int suit) {
    const Dress d = dressOf(suit, 10);
    const Pt head{118, 90};
    const double r = 17;
    groundShadow(svg, {120, 342}, 58);
    // mantle behind, lined with ermine at its edges
    svg.path(Path()
                 .M({96, 118})
                 .C({80, 180}, {70, 270}, {62, 336})
                 .L({178, 336})
                 .C({170, 270}, {160, 180}, {142, 118})
                 .Z(),
             fig(d.cape));
    svg.path(Path()
                 .M({94, 130})
                 .C({84, 200}, {78, 280}, {74, 334})
                 .L({82, 334})
                 .C({88, 280}, {94, 200}, {100, 134})
                 .Z(),
             fig(ink::kWhite));
    svg.path(Path()
                 .M({144, 130})
                 .C({154, 200}, {162, 280}, {166, 334})
                 .L({158, 334})
                 .C({152, 280}, {146, 200}, {138, 134})
                 .Z(),
             fig(ink::kWhite));
    ermineSpots(svg, {{88, 180}, {83, 240}, {79, 300}, {152, 180}, {157, 240}, {161, 300}});
    // gown with a gold hem and a front band
    svg.path(
        Path().M({100, 118}).Q({120, 112}, {140, 118}).L({156, 334}).Q({120, 340}, {84, 334}).Z(),
        fig(d.coat));
    svg.path(Path().M({86, 326}).Q({120, 332}, {154, 326}), strokeOnly(d.skirt, 6));
    svg.path(Path().M({120, 118}).L({120, 334}), strokeOnly(d.skirt, 7));
    for (int i = 0; i < 6; ++i) svg.circle({120, 210 + i * 20.0}, 2.2, fillOnly(ink::kRed));
    svg.path(Path().M({104, 200}).Q({98, 260}, {96, 324}), strokeOnly(ink::kLine, 1));
    svg.path(Path().M({136, 200}).Q({142, 260}, {144, 324}), strokeOnly(ink::kLine, 1));
    svg.rect(100, 180, 40, 9, 2, fig(ink::kGold));
    shoe(svg, {104, 336}, -1);
    shoe(svg, {136, 336}, 1);
    // ermine collar
    svg.path(Path()
                 .M({92, 122})
                 .Q({118, 108}, {146, 122})
                 .Q({150, 136}, {140, 142})
                 .Q({118, 132}, {98, 142})
                 .Q({88, 136}, {92, 122})
                 .Z(),
             fig(ink::kWhite));
    ermineSpots(svg, {{100, 130}, {112, 126}, {126, 126}, {138, 130}});
    // head: long hair, beard and crown
    hair(svg, head, r, 22, "#e0dacb");
    face(svg, head, r, true);
    crown(svg, head, r);
    // the left hand on the belt, the right one holding the symbol
    arm(svg, {100, 132}, {84, 168}, {102, 184}, d.sleeve, 14);
    hand(svg, {104, 184});
    if (suit == kBastoni || suit == kSpade) {
        const Pt grip{160, 176};
        if (suit == kBastoni)
            club(svg, {{158, 262}, {164, 180}, {162, 92}}, 22);
        else
            sword(svg, {{158, 200}, {170, 130}, {162, 44}}, 12);
        arm(svg, {140, 132}, {158, 160}, grip, d.sleeve, 14);
        hand(svg, grip, 6.5);
    } else {
        const Pt grip{162, 146};
        arm(svg, {140, 132}, {164, 170}, grip, d.sleeve, 14);
        heldRaised(svg, suit, grip + Pt{4, 2});
        hand(svg, grip, 6.5);
    }
}

}  // namespace

void drawCourt(Svg& svg, int suit, int value) {
    switch (value) {
        case 8:
            knave(svg, suit);
            break;
        case 9:
            rider(svg, suit);
            break;
        case 10:
            king(svg, suit);
            break;
        default:
            throw std::out_of_range("court value");
    }
}

}  // namespace artgen
