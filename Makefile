# The two commands a user needs: `make run` and `make test`.
# Each installs what is missing, configures once and builds before it runs.
PRESET ?= default
BUILD_DIR := build

.PHONY: all deps configure build run test sanitize test-windows windows windows-smoke fuzz bench screenshots package package-test clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@[ -f $(BUILD_DIR)/build.ninja ] || cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET)

run: build
	@scripts/run-editor

test: build
	ctest --preset $(PRESET)

# Every test again in the sanitizer build (ASan, UBSan, leak detection), in build-debug.
sanitize: deps
	@[ -f build-debug/build.ninja ] || cmake --preset debug
	cmake --build --preset debug -j2
	ctest --preset debug

# The core, busho and their tests cross-built for Windows x64 with MinGW-w64 in build-windows (without
# Qt), and every test run there under Wine in a private prefix, without a display. The generators of
# the data files run from the Linux build, so that one is built first.
test-windows: build
	@scripts/install-deps windows
	@[ -f build-windows/build.ninja ] || cmake --preset windows
	cmake --build --preset windows -j2
	@scripts/test-windows

# The editor for Windows x64: Qt 6 Core, Gui and Widgets built for MinGW from Debian's own qt6-base
# source package into build-windows/qt6/install (the first run only: about 15 minutes on 2 cores, more
# on a busy machine), busho-editor.exe and busho.exe against it in build-windows/editor, and
# build-windows/BushoEditor-<version>-win64.zip. Not part of `make test`.
windows: build
	@scripts/install-deps windows
	@scripts/build-qt-windows
	@[ -f build-windows/editor/build.ninja ] || cmake --preset windows-editor
	cmake --build --preset windows-editor -j2
	@scripts/package-windows

# The zip's editor under Wine on Xvfb in both editions: screenshots in build-windows/smoke/screenshots,
# the game folder from the registry, a save that keeps the backup; fails on a crash or boxes for text.
windows-smoke: windows
	@scripts/windows-smoke

# Each libFuzzer target for FUZZ_SECONDS seconds (default 300), in build-fuzz; needs clang.
fuzz:
	@scripts/install-deps fuzz
	@scripts/run-fuzz

# Every benchmark of the optimised build, the figures with a goal printed again at the end, each with
# its goal and "met" or "MISSED". Not part of `make test`: timings depend on what else the machine does.
bench: build
	@scripts/run-bench $(BUILD_DIR)

# Every window of both editions on the demo, into build/screenshots and the copies shown in the README;
# then the interface in Traditional Chinese (with the TC edition), Japanese (with the JP edition) and
# English (with the TC edition), into docs/screenshots/<language>.
screenshots: build
	@scripts/run-editor --screenshots $(BUILD_DIR)/screenshots --language zh_CN
	@mkdir -p docs/screenshots/tc docs/screenshots/jp
	@cp $(BUILD_DIR)/screenshots/tc/*.png docs/screenshots/tc/
	@cp $(BUILD_DIR)/screenshots/jp/*.png docs/screenshots/jp/
	@for shot in zh_TW:tc ja:jp en:tc; do \
	  language=$${shot%%:*}; edition=$${shot##*:}; \
	  scripts/run-editor --screenshots $(BUILD_DIR)/screenshots/$$language --language $$language || exit 1; \
	  mkdir -p docs/screenshots/$$language; \
	  cp $(BUILD_DIR)/screenshots/$$language/$$edition/*.png docs/screenshots/$$language/; \
	done
	@mkdir -p docs/screenshots/portraits
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/portrait_screenshots $(BUILD_DIR)/demo docs/screenshots/portraits

# A Debian package of the programs and their data files, into build/package/.
package: build
	cd $(BUILD_DIR) && cpack -G DEB
	@ls $(BUILD_DIR)/package/*.deb

# The .deb on a clean Debian 12 root: installs with --no-install-recommends, the installed editor runs
# in both editions under Xvfb (screenshots in build/package-test/screenshots), lintian finds nothing.
# Downloads from the Debian archive, so it is not part of `make test`; needs root or sudo.
package-test:
	@scripts/package-test

clean:
	rm -rf $(BUILD_DIR) build-debug build-fuzz build-windows
