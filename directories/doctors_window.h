#pragma once

#include "directories/directory_window.h"

// "Γιατροί του νηπιαγωγείου": the kindergarten's doctors, every row.
class TForm61 : public DirectoryWindow {
    Q_OBJECT
public:
    explicit TForm61(const common::ProgramContext& context, QWidget* parent = nullptr);
};
