// The single AppState of the process, with its stored starting values.
// It has static lifetime so that every procedure can reach it directly.
#include "app/app_state.h"

AppState appState;
