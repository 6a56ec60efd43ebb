# Precompiled headers: the heavy system headers (GoogleTest, Qt Widgets and
# the standard library) are parsed once per kind of target instead of once
# per file; they were half of each test file's compile time. A build speed-up
# only: every file still includes what it uses, which a build with
# -DVELMAR_PCH=OFF (and clang-tidy, which never sees them) keeps honest.
option(VELMAR_PCH "Precompile the common system headers" ON)

set(VELMAR_PCH_STD <algorithm> <cstdint> <cstring> <filesystem> <fstream> <functional> <map>
                   <memory> <optional> <set> <span> <string> <string_view> <vector>)
set(VELMAR_PCH_QT <QtCore/QCoreApplication> <QtCore/QObject> <QtCore/QString>
                  <QtCore/QStringList> <QtCore/QTimer> <QtGui/QKeyEvent> <QtGui/QAction>
                  <QtWidgets/QApplication> <QtWidgets/QCheckBox> <QtWidgets/QComboBox>
                  <QtWidgets/QDialog> <QtWidgets/QDialogButtonBox> <QtWidgets/QFormLayout>
                  <QtWidgets/QHeaderView> <QtWidgets/QLabel> <QtWidgets/QLineEdit>
                  <QtWidgets/QMainWindow> <QtWidgets/QPushButton> <QtWidgets/QToolBar>
                  <QtWidgets/QTreeWidget> <QtWidgets/QVBoxLayout>)

# velmar_precompile(TARGET KIND...) with KIND among STD, QT, GTEST, QTTEST.
function(velmar_precompile target)
    if(NOT VELMAR_PCH)
        return()
    endif()
    set(headers ${VELMAR_PCH_STD})
    foreach(kind IN LISTS ARGN)
        if(kind STREQUAL "QT")
            list(APPEND headers ${VELMAR_PCH_QT})
        elseif(kind STREQUAL "GTEST")
            list(APPEND headers <gtest/gtest.h>)
        elseif(kind STREQUAL "QTTEST")
            list(APPEND headers <QtTest/QTest>)
        endif()
    endforeach()
    target_precompile_headers(${target} PRIVATE ${headers})
endfunction()

# Targets built with the same flags share the donor's precompiled header.
function(velmar_precompile_like donor)
    if(NOT VELMAR_PCH)
        return()
    endif()
    foreach(target IN LISTS ARGN)
        target_precompile_headers(${target} REUSE_FROM ${donor})
    endforeach()
endfunction()
