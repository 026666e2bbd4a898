#include "ui/DialogWindow.h"
