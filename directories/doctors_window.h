#pragma once

#include "directories/directory_window.h"

namespace directories {

// "Γιατροί του νηπιαγωγείου": the kindergarten's doctors, every row.
class DoctorsWindow : public DirectoryWindow {
    Q_OBJECT
public:
    explicit DoctorsWindow(const common::ProgramContext& context, QWidget* parent = nullptr);
};

}  // namespace directories
