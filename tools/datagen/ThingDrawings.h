// The drawings of things, each on a 400 x 300 white area.
#pragma once

#include <cairo.h>

#include "tools/datagen/DrawingKit.h"

namespace drawing {

void PaintSplash(cairo_t* cr, Rgb c);
void BigDigit(cairo_t* cr, cairo_font_face_t* font, const char* digit, Rgb c);
void FirstAidKit(cairo_t* cr);
void Button(cairo_t* cr);
void Puddle(cairo_t* cr);
void SteeringWheel(cairo_t* cr);
void Blocks(cairo_t* cr);
void Table(cairo_t* cr);
void Plums(cairo_t* cr);
void Icicles(cairo_t* cr);
void EasterEgg(cairo_t* cr);
void Matches(cairo_t* cr);
void Plank(cairo_t* cr);
void Glockenspiel(cairo_t* cr);
void Blackboard(cairo_t* cr, cairo_font_face_t* font);

void Pillow(cairo_t* cr);
void Tray(cairo_t* cr);
void Hanger(cairo_t* cr);
void Oar(cairo_t* cr);
void Lampshade(cairo_t* cr);
void Cauldron(cairo_t* cr);
void Stove(cairo_t* cr);
void Sieve(cairo_t* cr);
void Dustpan(cairo_t* cr);
void JamJar(cairo_t* cr);
void InkBottle(cairo_t* cr);
void Postcard(cairo_t* cr);
void Comic(cairo_t* cr, cairo_font_face_t* font);
void Gauge(cairo_t* cr);
void Tablecloth(cairo_t* cr);
void Chandelier(cairo_t* cr);
void RubberStamp(cairo_t* cr);
void BottleCap(cairo_t* cr);
void Belt(cairo_t* cr);
void JumpRope(cairo_t* cr);
void Swing(cairo_t* cr);
void Stairs(cairo_t* cr);
void LittleRoof(cairo_t* cr);
void ZlotyCoin(cairo_t* cr, cairo_font_face_t* font);
void GoldBars(cairo_t* cr);
void Cannon(cairo_t* cr);
void Compasses(cairo_t* cr);
void Club(cairo_t* cr);
void Sickle(cairo_t* cr);
void Well(cairo_t* cr);
void Drawer(cairo_t* cr);
void Blackberry(cairo_t* cr);
void Berries(cairo_t* cr, Rgb berry, int count, double size);
void RootVegetables(cairo_t* cr, Rgb top, Rgb bottom, int count);
void AppleCore(cairo_t* cr);
void Wasp(cairo_t* cr);
void PotatoBeetle(cairo_t* cr);
void Daffodil(cairo_t* cr);
void TreeHollow(cairo_t* cr);
void Moustache(cairo_t* cr);
void Braid(cairo_t* cr);
void Propeller(cairo_t* cr);
void RoadBend(cairo_t* cr);
void Stick(cairo_t* cr);
void Flag(cairo_t* cr);

void Tank(cairo_t* cr);
void Jug(cairo_t* cr);
void CashRegister(cairo_t* cr);
void Cradle(cairo_t* cr);
void DeckChair(cairo_t* cr);
void WhiteMushrooms(cairo_t* cr);
void PowerPole(cairo_t* cr);
void RopeCoil(cairo_t* cr);
void Sail(cairo_t* cr);
void Sink(cairo_t* cr);
void Zipper(cairo_t* cr);
void Braces(cairo_t* cr);
void Tracksuit(cairo_t* cr);
void Pocket(cairo_t* cr);
void Seeds(cairo_t* cr);
void SwimCap(cairo_t* cr);
void Carts(cairo_t* cr);
void SleepingBag(cairo_t* cr);
void Siphon(cairo_t* cr);
void Spear(cairo_t* cr);
void Branches(cairo_t* cr);
void Eyelashes(cairo_t* cr);
void Railing(cairo_t* cr);

void WadingBird(cairo_t* cr, Rgb body, Rgb wing, Rgb beak, bool redCap);
void Swallow(cairo_t* cr);
void Vulture(cairo_t* cr);
void Beak(cairo_t* cr);
void Saddle(cairo_t* cr);
void BikeSaddle(cairo_t* cr);
void Thorns(cairo_t* cr);
void Stretcher(cairo_t* cr);
void MopOfHair(cairo_t* cr);

void HighlanderAxe(cairo_t* cr);
void Root(cairo_t* cr);
void Woodlouse(cairo_t* cr);
void BottleOpener(cairo_t* cr);
void JumpingJack(cairo_t* cr);
void GrainKernel(cairo_t* cr);
void CementBag(cairo_t* cr, cairo_font_face_t* font);

void SewingMachine(cairo_t* cr);
void Postman(cairo_t* cr);
void Seam(cairo_t* cr);

}  // namespace drawing
