#pragma once

// Line icons drawn on a 24 x 24 grid and scaled to any box: the program's own small pictures and
// the button and icon pictures of the demo installation come from this one set, so they share
// their stroke and proportions.

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace quillan::design {

enum class Glyph {
    Play, Pause, Stop, Check, Cross, ArrowUp, ArrowDown, ArrowLeft, ArrowRight, ChevronUp, ChevronDown,
    Question, Info, Speaker, SpeakerUp, SpeakerDown, Microphone, Headphones, Book, Printer, Bulb, Film,
    Document, Translate, Repeat, Clipboard, BarChart, Conversation, ExpandAll, CollapseAll, UserPlus,
    Users, Trash, Contents, Waveform, Shuffle, Envelope, Star, Pencil, Keyboard, TextCursor, Pairs,
    DragDrop, MultipleChoice, TrueFalse, Globe, Quill, Gear, Power, Lock, Key, Calendar, Percent, Abc,
    Plus, Minus, Exclamation, Ear, Puzzle, Flag,
};

// Draws a glyph centred in `box` (the glyph's 24-unit grid is scaled to the box's smaller side)
// in one colour. `weight` scales the stroke (1 = the set's normal stroke).
void DrawGlyph(QPainter& painter, Glyph glyph, const QRectF& box, const QColor& colour, qreal weight = 1.0);

}  // namespace quillan::design
