#pragma once

// Makes the program's items creatable from QML and its object classes known to QML under
// the modules "Torvex" 1.0 and "Marlowane" 1.0. Only the first call registers anything.
void registerQmlTypes();
