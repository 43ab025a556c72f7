#pragma once

// Empties the application's override-cursor stack; returns how many cursors it held.
int popOverrideCursors();
