#pragma once
// The toolbar's pictures, drawn at start-up.

#include "app/Commands.h"

#include <QIcon>

QIcon ToolBarIcon(CommandId command);
