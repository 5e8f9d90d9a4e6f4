// The page's two languages: Japanese or English by the browser's, unless the address or the
// switch says which. An element with data-caption="name" shows the module's captions()[name]
// (the desktop program's text from its catalogue), one with data-word="name" the page's own.
import { $ } from "./dom.js";

export const languages = ["ja", "en"];

export function browserLanguage() {
  const preferred = navigator.languages?.length ? navigator.languages : [navigator.language];
  return (preferred[0] || "").toLowerCase().startsWith("ja") ? "ja" : "en";
}

export function captionPage(language, captions, words) {
  document.documentElement.lang = language;
  const fill = (attribute, texts) => {
    for (const element of document.querySelectorAll(`[data-${attribute}]`)) {
      const name = element.dataset[attribute];
      if (typeof texts[name] !== "string") {
        throw new Error(`no ${attribute} "${name}"`);
      }
      element.textContent = texts[name];
    }
  };
  fill("caption", captions);
  fill("word", words);
  for (const code of languages) {
    $(`lang-${code}`).setAttribute("aria-pressed", String(code === language));
  }
}
