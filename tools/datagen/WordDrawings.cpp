// Which drawing of our own shows which word (for words no emoji shows).
#include "tools/datagen/WordDrawings.h"

#include <functional>
#include <map>

#include "tools/datagen/ThingDrawings.h"

namespace {

using namespace drawing;
using Drawing = std::function<void(cairo_t*, cairo_font_face_t*)>;

// Most drawings need no text; this adapts them to the table's shape.
Drawing Plain(void (*draw)(cairo_t*))
{
    return [draw](cairo_t* cr, cairo_font_face_t*) { draw(cr); };
}

Drawing Splash(Rgb c)
{
    return [c](cairo_t* cr, cairo_font_face_t*) { PaintSplash(cr, c); };
}

Drawing Digit(const char* digit, Rgb c)
{
    return [digit, c](cairo_t* cr, cairo_font_face_t* font) { BigDigit(cr, font, digit, c); };
}

const std::map<std::string_view, Drawing>& Drawings()
{
    static const std::map<std::string_view, Drawing> drawings = {
        {"apteczka", Plain(FirstAidKit)},
        {"brazowy", Splash({0.55, 0.33, 0.16})},
        {"czarny", Splash({0.1, 0.1, 0.12})},
        {"czerwony", Splash({0.9, 0.1, 0.12})},
        {"rozowy", Splash({1.0, 0.55, 0.75})},
        {"zolty", Splash({1.0, 0.85, 0.1})},
        {"cztery", Digit("4", {0.2, 0.56, 0.9})},
        {"dziewiatka", Digit("9", {0.56, 0.38, 0.84})},
        {"zero", Digit("0", {0.96, 0.36, 0.36})},
        {"guzik", Plain(Button)},
        {"kaluza", Plain(Puddle)},
        {"kierownica", Plain(SteeringWheel)},
        {"klocki", Plain(Blocks)},
        {"stol", Plain(Table)},
        {"sliwki", Plain(Plums)},
        {"sople", Plain(Icicles)},
        {"pisanka", Plain(EasterEgg)},
        {"zapalki", Plain(Matches)},
        {"deska", Plain(Plank)},
        {"cymbalki", Plain(Glockenspiel)},
        {"tablica", Blackboard},
        {"poduszka", Plain(Pillow)},
        {"taca", Plain(Tray)},
        {"wieszak", Plain(Hanger)},
        {"wioslo", Plain(Oar)},
        {"klosz", Plain(Lampshade)},
        {"kociol", Plain(Cauldron)},
        {"piec", Plain(Stove)},
        {"sitko", Plain(Sieve)},
        {"szufelka", Plain(Dustpan)},
        {"dzem", Plain(JamJar)},
        {"tusz", Plain(InkBottle)},
        {"pocztowka", Plain(Postcard)},
        {"komiks", Comic},
        {"licznik", Plain(Gauge)},
        {"obrus", Plain(Tablecloth)},
        {"zyrandol", Plain(Chandelier)},
        {"stempel", Plain(RubberStamp)},
        {"kapsel", Plain(BottleCap)},
        {"pasek", Plain(Belt)},
        {"skakanka", Plain(JumpRope)},
        {"hustawka", Plain(Swing)},
        {"stopien", Plain(Stairs)},
        {"daszek", Plain(LittleRoof)},
        {"zlotowka", ZlotyCoin},
        {"zloto", Plain(GoldBars)},
        {"dzialo", Plain(Cannon)},
        {"cyrkiel", Plain(Compasses)},
        {"maczuga", Plain(Club)},
        {"sierp", Plain(Sickle)},
        {"studnia", Plain(Well)},
        {"szuflada", Plain(Drawer)},
        {"jezyna", Plain(Blackberry)},
        {"jarzebina", [](cairo_t* cr, cairo_font_face_t*) { Berries(cr, {0.95, 0.35, 0.1}, 14, 13); }},
        {"rzepa", [](cairo_t* cr, cairo_font_face_t*) { RootVegetables(cr, {0.65, 0.3, 0.7}, {0.98, 0.96, 0.9}, 1); }},
        {"rzodkiewki", [](cairo_t* cr, cairo_font_face_t*) { RootVegetables(cr, {0.9, 0.15, 0.3}, {0.95, 0.3, 0.4}, 3); }},
        {"ogryzek", Plain(AppleCore)},
        {"osa", Plain(Wasp)},
        {"stonka", Plain(PotatoBeetle)},
        {"zonkil", Plain(Daffodil)},
        {"dziupla", Plain(TreeHollow)},
        {"wasy", Plain(Moustache)},
        {"warkocz", Plain(Braid)},
        {"smiglo", Plain(Propeller)},
        {"zakret", Plain(RoadBend)},
        {"patyczek", Plain(Stick)},
        {"maszt", Plain(Flag)},
        {"czolg", Plain(Tank)},
        {"dzbanek", Plain(Jug)},
        {"kasa", Plain(CashRegister)},
        {"kolyska", Plain(Cradle)},
        {"lezak", Plain(DeckChair)},
        {"pieczarki", Plain(WhiteMushrooms)},
        {"slup", Plain(PowerPole)},
        {"sznur", Plain(RopeCoil)},
        {"zagiel", Plain(Sail)},
        {"zlew", Plain(Sink)},
        {"suwak", Plain(Zipper)},
        {"szelki", Plain(Braces)},
        {"dres", Plain(Tracksuit)},
        {"kieszen", Plain(Pocket)},
        {"nasiona", Plain(Seeds)},
        {"czepek", Plain(SwimCap)},
        {"wozy", Plain(Carts)},
        {"spiwor", Plain(SleepingBag)},
        {"syfon", Plain(Siphon)},
        {"wlocznia", Plain(Spear)},
        {"galezie", Plain(Branches)},
        {"rzesy", Plain(Eyelashes)},
        {"porecz", Plain(Railing)},
        {"bocian", [](cairo_t* cr, cairo_font_face_t*) {
             WadingBird(cr, {0.98, 0.98, 0.98}, {0.15, 0.15, 0.17}, {0.9, 0.25, 0.15}, false);
         }},
        {"zuraw", [](cairo_t* cr, cairo_font_face_t*) {
             WadingBird(cr, {0.7, 0.72, 0.76}, {0.45, 0.47, 0.52}, {0.3, 0.3, 0.32}, true);
         }},
        {"jaskolka", Plain(Swallow)},
        {"sep", Plain(Vulture)},
        {"dziob", Plain(Beak)},
        {"siodlo", Plain(Saddle)},
        {"siodelko", Plain(BikeSaddle)},
        {"kolec", Plain(Thorns)},
        {"nosze", Plain(Stretcher)},
        {"czupryna", Plain(MopOfHair)},
        {"ciupaga", Plain(HighlanderAxe)},
        {"korzen", Plain(Root)},
        {"stonoga", Plain(Woodlouse)},
        {"otwieracz", Plain(BottleOpener)},
        {"pajac", Plain(JumpingJack)},
        {"ziarno", Plain(GrainKernel)},
        {"cement", CementBag},
        {"maszyna", Plain(SewingMachine)},
        {"listonosz", Plain(Postman)},
        {"szew", Plain(Seam)},
    };
    return drawings;
}

}  // namespace

bool HasDrawing(std::string_view key)
{
    return Drawings().contains(key);
}

bool DrawWordThing(cairo_t* cr, std::string_view key, cairo_font_face_t* font)
{
    const auto it = Drawings().find(key);
    if (it == Drawings().end())
        return false;
    it->second(cr, font);
    return true;
}
