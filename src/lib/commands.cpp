#include "commands.h"

void ShowCommandError(QWidget *parent, const QString &message) { prompts().error(parent, message, kAppTitle); }
