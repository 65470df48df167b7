// Clearing what the game keeps of its players, for teachers and shared computers: the
// high-score table back to the ten places the game ships with, and the history emptied.
// Each asks first and says what stays: files moved aside as damaged (.bad) are kept.
#pragma once

struct Contexto;
class QWidget;

// True once done; false when the player answered No or it failed (a failure is told).
bool BorrarRecords(Contexto &ctx, QWidget *padre);
bool BorrarHistorial(Contexto &ctx, QWidget *padre);
