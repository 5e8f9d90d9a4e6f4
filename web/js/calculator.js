// The calculator: the C++ compiled to WebAssembly, and tubeline.js, emscripten's script that
// defines createTubeline to make an instance of it. Served, the two are files of the site and
// the WebAssembly compiles while it downloads; the one-file page holds both itself, the script's
// text in <script type="text/plain" id="tubeline-script"> and the WebAssembly in base64 in
// <script type="application/octet-stream" id="tubeline-wasm">.

const scriptFile = "tubeline.js";
const wasmFile = "tubeline.wasm";

const inlineWasm = document.getElementById("tubeline-wasm");

// Whether this is the one-file page (tubeline.html), which nothing outside itself serves.
export const oneFilePage = inlineWasm !== null;

async function compileServed() {
  try {
    return await WebAssembly.compileStreaming(fetch(wasmFile));
  } catch (error) {
    // A server that does not say application/wasm: compiled once the whole file is in.
    const response = await fetch(wasmFile);
    if (!response.ok) {
      throw error;
    }
    return WebAssembly.compile(await response.arrayBuffer());
  }
}

function compileInline() {
  const binary = atob(inlineWasm.textContent.trim());
  // The page no longer needs the text, only the compiled code.
  inlineWasm.remove();
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; ++i) {
    bytes[i] = binary.charCodeAt(i);
  }
  return WebAssembly.compile(bytes);
}

async function scriptText() {
  const inline = document.getElementById("tubeline-script");
  if (inline) {
    return inline.textContent;
  }
  const response = await fetch(scriptFile);
  if (!response.ok) {
    throw new Error(`${scriptFile}: HTTP ${response.status}`);
  }
  return response.text();
}

// An instance of the module from compiled code; `create` is createTubeline. Also the matching
// worker's, from this function's text: it uses nothing but its arguments and WebAssembly.
export function instantiate(create, compiled) {
  return new Promise((resolve, reject) => {
    create({
      instantiateWasm(imports, receive) {
        WebAssembly.instantiate(compiled, imports).then((instance) => receive(instance, compiled),
          reject);
        return {};
      },
    }).then(resolve, reject);
  });
}

// { module, scriptText, compiled }: the page's instance of the module, and what a worker needs
// to make its own without fetching anything again (so that it is of the page's own version).
export async function loadCalculator() {
  const [text, compiled] = await Promise.all([scriptText(),
    oneFilePage ? compileInline() : compileServed()]);
  // The script runs as the page's own, defining createTubeline.
  const script = document.createElement("script");
  script.textContent = text;
  document.head.append(script);
  const module = await instantiate(globalThis.createTubeline, compiled);
  return { module, scriptText: text, compiled };
}
