"""The floor check on small trees: a sound one passes, and each kind of fault
fails with a message that names the file, folder or library at fault."""
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

CHECK = Path(__file__).resolve().parents[2] / "scripts" / "check-floors"

# A sound tree: core, toolkit, a portable pixel floor with a Win32 half, and
# skin loading above it.
SOUND_TREE = {
    "src/CMakeLists.txt": "add_subdirectory(core)\nadd_subdirectory(toolkit)\n"
    "add_subdirectory(skin/pixels)\nadd_subdirectory(skin/loading)\n",
    "src/core/CMakeLists.txt": "pp_portable_folder(pp_core)\n",
    "src/core/Color.h": "#pragma once\n#include <cstdint>\n",
    "src/toolkit/CMakeLists.txt": "pp_win32_folder(pp_toolkit DEPS pp_core user32)\n",
    "src/toolkit/Canvas.h": '#pragma once\n#include "core/Color.h"\n#include <windows.h>\n',
    "src/skin/pixels/CMakeLists.txt": "pp_portable_folder(pp_pixels DEPS pp_core WIN32_DEPS pp_toolkit gdi32)\n",
    "src/skin/pixels/Blend.h": '#pragma once\n#include "core/Color.h"\n',
    "src/skin/pixels/Blend.cpp": '#include "skin/pixels/Blend.h"\n',
    "src/skin/pixels/FillsWin32.h": '#pragma once\n#include "toolkit/Canvas.h"\n',
    "src/skin/pixels/FillsWin32.cpp": '#include "skin/pixels/FillsWin32.h"\n#include "skin/pixels/Blend.h"\n',
    "src/skin/loading/CMakeLists.txt": "pp_portable_folder(pp_loading DEPS pp_pixels\n"
    "  WIN32_DEPS pp_toolkit)\n",
    "src/skin/loading/Skin.cpp": '#include "skin/pixels/Blend.h"\n',
    "src/skin/loading/ManagerWin32.h": '#pragma once\n#include "toolkit/Canvas.h"\n',
    "src/skin/loading/ManagerWin32.cpp": '#include "skin/loading/ManagerWin32.h"\n',
    "tools/skintool/Main.cpp": '#include "skin/pixels/Blend.h"\n#ifdef _WIN32\n#include <windows.h>\n#endif\n',
}

# Each case: what changes in the sound tree (None removes a file) and a text
# the failure must contain.
FAULTS = [
    ("an include up a floor",
     {"src/toolkit/Canvas.h": '#pragma once\n#include "skin/pixels/Blend.h"\n'},
     "src/toolkit/Canvas.h (toolkit) includes src/skin/pixels/Blend.h (skin/pixels)"),
    ("a portable file including windows.h",
     {"src/skin/pixels/Blend.cpp": '#include "skin/pixels/Blend.h"\n#include <windows.h>\n'},
     "src/skin/pixels/Blend.cpp is portable but includes <windows.h>"),
    ("windows.h in a portable file even behind #ifdef",
     {"src/core/Color.h": "#pragma once\n#ifdef _WIN32\n#include <windows.h>\n#endif\n"},
     "src/core/Color.h is portable but includes <windows.h>"),
    ("a portable file including a Win32 header of its own folder",
     {"src/skin/pixels/Blend.cpp": '#include "skin/pixels/FillsWin32.h"\n'},
     "src/skin/pixels/Blend.cpp is portable but includes the Win32-only src/skin/pixels/FillsWin32.h"),
    ("a portable half including the toolkit",
     {"src/skin/loading/Skin.cpp": '#include "toolkit/Canvas.h"\n'},
     "src/skin/loading/Skin.cpp is portable but includes the Win32-only src/toolkit/Canvas.h"),
    ("a host tool including a Win32 header",
     {"tools/skintool/Main.cpp": '#include "skin/loading/ManagerWin32.h"\n'},
     "tools/skintool/Main.cpp is portable but includes the Win32-only src/skin/loading/ManagerWin32.h"),
    ("a known floor that the build does not add",
     {"src/skin/paint/Item.cpp": '#include "skin/pixels/Blend.h"\n'},
     "src/skin/paint exists but src/CMakeLists.txt does not add it"),
    ("a folder on no floor",
     {"src/skin/widgets/Widget.cpp": '#include "skin/pixels/Blend.h"\n'},
     "src/skin/widgets holds source files but is on no floor"),
    ("a folder that the table does not know",
     {"src/CMakeLists.txt": SOUND_TREE["src/CMakeLists.txt"] + "add_subdirectory(extras)\n",
      "src/extras/CMakeLists.txt": "pp_portable_folder(pp_extras)\n",
      "src/extras/Extra.cpp": "\n"},
     "src/CMakeLists.txt adds extras, which is on no floor"),
    ("floors added out of order",
     {"src/CMakeLists.txt": "add_subdirectory(core)\nadd_subdirectory(skin/pixels)\n"
      "add_subdirectory(toolkit)\nadd_subdirectory(skin/loading)\n"},
     "src/CMakeLists.txt adds skin/pixels before toolkit"),
    ("a dependency up a floor",
     {"src/core/CMakeLists.txt": "pp_portable_folder(pp_core DEPS pp_pixels)\n"},
     "core links pp_pixels (skin/pixels): core does not stand on it"),
    ("a dependency that no include uses",
     {"src/skin/loading/CMakeLists.txt": "pp_portable_folder(pp_loading DEPS pp_pixels WIN32_DEPS pp_toolkit pp_pixels_win32)\n"},
     "skin/loading:win32 links pp_pixels_win32, but no file of skin/loading:win32 includes from skin/pixels:win32"),
]


def run_check(tree):
    with tempfile.TemporaryDirectory() as root:
        for name, text in tree.items():
            if text is None:
                continue
            path = Path(root) / name
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text)
        result = subprocess.run([sys.executable, str(CHECK), root], capture_output=True, text=True)
        return result.returncode, result.stdout + result.stderr


class FloorCheck(unittest.TestCase):
    def test_sound_tree_passes(self):
        code, output = run_check(SOUND_TREE)
        self.assertEqual(code, 0, output)

    def test_the_coming_floors_pass_in_their_places(self):
        # The Win32 foundation below the toolkit, the painting core above loading.
        code, output = run_check({
            **SOUND_TREE,
            "src/CMakeLists.txt": "add_subdirectory(core)\nadd_subdirectory(win)\nadd_subdirectory(toolkit)\n"
            "add_subdirectory(skin/pixels)\nadd_subdirectory(skin/loading)\nadd_subdirectory(skin/paint)\n",
            "src/win/CMakeLists.txt": "pp_win32_folder(pp_win DEPS pp_core)\n",
            "src/win/Handles.h": '#pragma once\n#include "core/Color.h"\n#include <windows.h>\n',
            "src/toolkit/CMakeLists.txt": "pp_win32_folder(pp_toolkit DEPS pp_win)\n",
            "src/toolkit/Canvas.h": '#pragma once\n#include "win/Handles.h"\n',
            "src/skin/paint/CMakeLists.txt": "pp_portable_folder(pp_paint DEPS pp_loading WIN32_DEPS pp_loading_win32)\n",
            "src/skin/loading/Sections.h": '#pragma once\n#include "skin/pixels/Blend.h"\n',
            "src/skin/paint/Item.cpp": '#include "skin/loading/Sections.h"\n',
            "src/skin/paint/ItemTextWin32.cpp": '#include "skin/loading/ManagerWin32.h"\n#include "win/Handles.h"\n',
        })
        self.assertEqual(code, 0, output)

    def test_each_fault_fails_and_names_it(self):
        for name, change, message in FAULTS:
            with self.subTest(name):
                code, output = run_check({**SOUND_TREE, **change})
                self.assertEqual(code, 1, output)
                self.assertIn(message, output)

    def test_library_cycle_fails(self):
        # Both directions declared: one of them runs up a floor, and the
        # libraries loop.
        code, output = run_check({**SOUND_TREE,
                                  "src/core/CMakeLists.txt": "pp_portable_folder(pp_core DEPS pp_loading)\n"})
        self.assertEqual(code, 1, output)
        self.assertIn("the libraries form a cycle", output)


if __name__ == "__main__":
    unittest.main()
