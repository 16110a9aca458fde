# Entry points: `make run` and `make test` set everything up on a fresh Debian machine.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?=
PREFIX     ?= /usr/local

.PHONY: all deps build build-asan run screenshots first-frame check test test-release test-asan bench fuzz \
        format clean install package

all: build

deps:
	@tools/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DVORLAN_WERROR=ON $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLAN_WERROR=ON -DVORLAN_SANITIZE=ON \
	      -DVORLAN_BENCH=OFF $(CMAKE_FLAGS)

build-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)

# Starts the editor; `make run ARGS=path/to/mission.tie` opens a mission. Without a display the
# editor starts on a virtual one and leaves a picture of its window in $(BUILD)/screenshot.png.
ARGS ?=
run: build
	@if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; then \
	    $(BUILD)/src/app/vorlan $(ARGS); \
	else \
	    echo "No display: starting the editor on a virtual screen."; \
	    xvfb-run -a -s "-screen 0 1280x800x24" \
	        $(BUILD)/src/app/vorlan --screenshot $(BUILD)/screenshot.png $(ARGS); \
	fi

# Pictures of every page and dialog with a sample mission open, in $(BUILD)/screenshots.
screenshots: build
	tools/screenshots.sh $(BUILD)/src/app/vorlan $(BUILD)/screenshots

# Folder includes follow the layer order and every source file is formatted.
check: deps
	tools/check_layers.sh

test: check test-release test-asan

test-release: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/vorlan_bench --benchmark_counters_tabular=true
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/vorlan_gui_bench

# Process start to the editor's first painted frame, with a sample mission of 1,000 flight groups
# and a settings file of its own.
first-frame: build
	@dir=$$(mktemp -d) && mkdir -p $$dir/Vorlan && \
	printf '[Directories]\nMissions=%s\nXWA=%s\nVorlan=%s\n' $$dir $$dir $$dir > $$dir/Vorlan/Vorlan.ini && \
	$(BUILD)/src/app/vorlan --sample-mission 1000 $$dir/m1000.tie && \
	XDG_CONFIG_HOME=$$dir QT_QPA_PLATFORM=offscreen \
	    $(BUILD)/bench/first_frame_timer $(BUILD)/src/app/vorlan $$dir/m1000.tie 11 2>/dev/null; \
	status=$$?; rm -rf $$dir; exit $$status

# A libFuzzer run of every reader of outside input, FUZZ_SECONDS each, seeded with the
# project's own files; one summary line per target. Needs clang.
fuzz: deps
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	      -DVORLAN_FUZZ=ON -DVORLAN_BENCH=OFF
	cmake --build build-fuzz -j $(JOBS) --target fuzz_all
	fuzz/run_fuzz.sh build-fuzz $${FUZZ_SECONDS:-60}

# Installs the editor, the tool, the desktop entry, the mission file type, the icon and the manual
# pages under $(PREFIX) (staged under $(DESTDIR) when given), then tells the desktop about them.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)
	@if [ -z "$(DESTDIR)" ]; then \
	    update-mime-database $(PREFIX)/share/mime >/dev/null 2>&1 || true; \
	    update-desktop-database $(PREFIX)/share/applications >/dev/null 2>&1 || true; \
	fi

# A Debian package of the same files under /usr: $(BUILD)/vorlan_VERSION_ARCH.deb.
package: build
	cd $(BUILD) && cpack -G DEB

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz
