// A plasma of three waves that turns with the clock and flashes on each beat, over the stars.
void main() {
    vec2 p = uv * 2.0 - 1.0;
    p.x *= resolution.x / resolution.y;
    float wave = sin(p.x * 3.0 + time) + sin(p.y * 4.0 - time * 1.3) +
                 sin(length(p) * 6.0 - time * 2.0);
    float pulse = 1.0 - fract(beat);
    vec3 colour = 0.5 + 0.5 * cos(vec3(0.0, 2.0, 4.0) + wave + pulse);
    vec3 stars = texture2D(picture0, uv).rgb;
    gl_FragColor = vec4(colour * (0.5 + 0.3 * pulse) + stars, 1.0);
}
