# The folders of the program and what each may include: one line per folder, lowest layer
# first, the folder's name followed by the folders its files may include besides their own.
# A folder may name only folders above its own line, so includes point one way and no folder
# cycle can form. "folder:core" admits only that folder's headers that go into the core library
# (its data operations, never its windows): the one route by which a part of the program uses
# another subsystem's rules. Only app/, the composition root, includes every subsystem.
#
# The build adds the folders in this order, each through its own CMakeLists.txt, and the test
# "layering" (cmake/check_layers.cmake) fails on an include this table does not allow.
set(VELORIMA_LAYERS
  "db"
  "common      db"
  "ui          db common"
  "reports     db common"
  "searches    db common ui reports"
  "finance     db common ui reports searches"
  "children    db common ui reports searches finance:core"
  "directories db common ui reports searches"
  "organiser   db common ui reports searches"
  "expenses    db common ui reports searches"
  "programme   db common ui reports searches"
  "attendance  db common ui reports searches"
  "app         db common ui reports searches finance children directories organiser expenses programme attendance"
  "tools       db common reports searches:core finance:core children:core organiser:core expenses:core attendance:core"
)

# The libraries whose files must not include a Qt Gui, Widgets or PrintSupport header.
set(VELORIMA_NO_WIDGET_LIBRARIES velorima_core velorima_sample)

# velorima_layer_folders(<variable>): the folder names of the table, in its order.
function(velorima_layer_folders variable)
  set(folders)
  foreach(line IN LISTS VELORIMA_LAYERS)
    string(REGEX MATCH "^[a-z_]+" folder "${line}")
    list(APPEND folders ${folder})
  endforeach()
  set(${variable} ${folders} PARENT_SCOPE)
endfunction()
